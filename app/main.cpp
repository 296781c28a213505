#include <cstdio>

int main()
{
	std::puts("Mirel: the calculation core and settings are built; the window is not there yet.");
	return 0;
}
