/* Does nothing: what starting any program costs, for comparison. */
int main(void) { return 0; }
