a_line
