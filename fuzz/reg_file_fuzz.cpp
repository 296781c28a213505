// Feeds arbitrary bytes to the settings file parser. Whatever it reads must
// be written so that it reads back the same and undamaged: that is what
// lets a save keep everything a load found.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/regedit4/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	const std::string_view text(reinterpret_cast<const char *>(data), size);
	const mirel::RegFileReading first = mirel::parseRegFile(std::string(text));
	const std::string written = mirel::formatRegFile(first.file);
	const mirel::RegFileReading second = mirel::parseRegFile(written);
	if (second.damaged() || !(second.file == first.file) || mirel::formatRegFile(second.file) != written)
		std::abort();
	return 0;
}
