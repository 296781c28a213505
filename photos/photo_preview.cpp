#include "photos/photo_preview.h"

#include <exception>

#include <exiv2/exiv2.hpp>

#include "photos/photo_file.h"

namespace mirel {

std::string photoPreview(const std::filesystem::path &file, int width)
{
	try {
		const OpenedPhoto opened = openPhoto(file);
		if (!opened.image)
			return {};
		opened.image->readMetadata();
		const Exiv2::PreviewManager previews(*opened.image);
		// Smallest first.
		const Exiv2::PreviewPropertiesList list = previews.getPreviewProperties();
		if (list.empty())
			return {};
		auto chosen = list.back();
		for (const Exiv2::PreviewProperties &preview : list) {
			if (preview.width_ >= static_cast<std::uint32_t>(width)) {
				chosen = preview;
				break;
			}
		}
		const Exiv2::PreviewImage image = previews.getPreviewImage(chosen);
		return std::string(reinterpret_cast<const char *>(image.pData()), image.size());
	} catch (const std::exception &) {
		return {}; // a thumbnail is a nicety: readPhoto says what is wrong
	}
}

} // namespace mirel
