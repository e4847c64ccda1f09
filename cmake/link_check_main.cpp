// The program of a link check: it is never run; its link alone is the check.
int main()
{
    return 0;
}
