/* Stands in for the IsoView engine: only its version resource is ever read. */
int main(void) { return 0; }
