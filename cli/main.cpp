#include <iostream>

#include "cli/mirel_calc.h"

int main(int argc, char **argv)
{
	std::ios::sync_with_stdio(false);
	const int status =
		mirel::cli::run(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
	// A full disk or a closed pipe must not pass for a result.
	if (!std::cout.flush()) {
		std::cerr << "mirel-calc: the results could not be written\n";
		return 3;
	}
	return status;
}
