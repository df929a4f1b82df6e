/* Carries nothing but the version resource linked beside it; never run. */
int main(void) { return 0; }
