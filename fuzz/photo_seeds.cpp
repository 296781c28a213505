// Writes the photo reader's first inputs into a folder: photos of each
// format exiv2 writes, with the tags the reader reads, maker notes among
// them. The fuzzer grows its corpus from these.
// Usage: photo_seeds <folder>
#include <cstdio>
#include <string>
#include <vector>

#include "testing/photo_files.h"

int main(int argc, char **argv)
{
	using mirel::testing::PhotoFormat;
	using Tags = std::vector<mirel::testing::PhotoTag>;
	if (argc != 2) {
		std::fprintf(stderr, "usage: photo_seeds <folder>\n");
		return 2;
	}
	const Tags shot{ { "Exif.Photo.FocalLength", "50/1" },
			 { "Exif.Photo.FNumber", "8/1" },
			 { "Exif.Photo.FocalLengthIn35mmFilm", "80" },
			 { "Exif.Photo.LensModel", "EF50mm f/1.8 II" },
			 { "Exif.Photo.PixelXDimension", "5184" },
			 { "Exif.Photo.PixelYDimension", "3456" },
			 { "Exif.Photo.FocalPlaneXResolution", "5184000/885" },
			 { "Exif.Photo.FocalPlaneYResolution", "3456000/590" },
			 { "Exif.Photo.FocalPlaneResolutionUnit", "2" } };
	const auto camera = [&](std::string make, std::string model, Tags more) {
		Tags tags{ { "Exif.Image.Make", std::move(make) }, { "Exif.Image.Model", std::move(model) } };
		tags.insert(tags.end(), shot.begin(), shot.end());
		tags.insert(tags.end(), more.begin(), more.end());
		return tags;
	};
	const struct {
		const char *name;
		PhotoFormat format;
		Tags tags;
	} seeds[] = {
		{ "exif.jpg", PhotoFormat::Jpeg,
		  camera("Canon", "Canon EOS 7D", { { "Exif.Photo.SubjectDistance", "5/1" } }) },
		{ "canon.jpg", PhotoFormat::Jpeg,
		  camera("Canon", "Canon EOS 7D",
			 { { "Exif.CanonSi.SubjectDistance", "500" }, { "Exif.CanonFi.FocusDistanceUpper", "600" } }) },
		{ "nikon.jpg", PhotoFormat::Jpeg,
		  camera("NIKON CORPORATION", "NIKON D800", { { "Exif.Nikon3.FocusDistance", "5/1" } }) },
		{ "olympus.jpg", PhotoFormat::Jpeg,
		  camera("OLYMPUS OPTICAL CO.,LTD", "C5050Z", { { "Exif.Olympus.FocusDistance", "5000/1" } }) },
		{ "casio.jpg", PhotoFormat::Jpeg,
		  camera("CASIO COMPUTER CO.,LTD.", "EX-Z750", { { "Exif.Casio2.ObjectDistance", "5000" } }) },
		{ "minolta.jpg", PhotoFormat::Jpeg,
		  camera("Minolta Co., Ltd.", "DiMAGE A1", { { "Exif.MinoltaCsNew.FocusDistance", "5000" } }) },
		{ "photo.tif", PhotoFormat::Tiff,
		  camera("Acme", "Snap 1", { { "Exif.Photo.SubjectDistance", "4294967295/1" } }) },
		{ "photo.dng", PhotoFormat::Dng, camera("Acme", "Snap 1", { { "Exif.Photo.ApertureValue", "6/1" } }) },
		{ "photo.cr2", PhotoFormat::Cr2,
		  camera("Canon", "Canon EOS 7D", { { "Exif.CanonSi.SubjectDistance", "65535" } }) },
		{ "photo.orf", PhotoFormat::Orf,
		  camera("OLYMPUS IMAGING CORP.", "E-M1MarkII", { { "Exif.Olympus.FocusDistance", "5000/1" } }) },
	};
	for (const auto &seed : seeds)
		mirel::testing::writePhoto(std::string(argv[1]) + "/" + seed.name, seed.format, seed.tags);
	return 0;
}
