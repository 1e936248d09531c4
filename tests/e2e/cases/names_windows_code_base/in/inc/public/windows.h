/* the system header, stored in lower case */
int windows_h;
