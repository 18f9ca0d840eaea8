// A program that only links one library whole, to prove it needs nothing above it.
int main()
{
    return 0;
}
