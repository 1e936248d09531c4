/* A small program to try tpx32 on: `make run` preprocesses it. */
int main(void)
{
    int total = 0;
    for (int i = 1; i <= 10; i++)
        total += i;   // add them up
    return total == 55 ? 0 : 1;
}
