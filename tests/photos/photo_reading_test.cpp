// Photos the tests write with exiv2, read back: each figure from each of
// its tags, the frame from each source in turn, the formats exiv2 can
// write, and files that are no photo. The expected figures are worked out
// by hand from the tags written.

#include "photos/photo_reading.h"

#include <cmath>
#include <limits>
#include <thread>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "testing/photo_files.h"

namespace mirel {
namespace {

using testing::PhotoFormat;
using testing::PhotoTag;
using Tags = std::vector<PhotoTag>;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

PhotoReading readTags(const Tags &tags, const CameraDatabaseLoad &cameras = installedCameraDatabase())
{
	const std::string bytes = testing::photoBytes(PhotoFormat::Jpeg, tags);
	return readPhoto(std::span(reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size()), cameras);
}

Tags canon7D(Tags more)
{
	Tags tags{ { "Exif.Image.Make", "Canon" }, { "Exif.Image.Model", "Canon EOS 7D" } };
	tags.insert(tags.end(), more.begin(), more.end());
	return tags;
}

// A figure's value, or its reason when it has none.
struct Expected {
	double value;
	std::string sourceOrReason;
};

void expectFigure(const PhotoFigure &figure, const Expected &expected, const std::string &row)
{
	if (!expected.sourceOrReason.empty() && std::isnan(expected.value)) {
		EXPECT_EQ(figure.unusable, expected.sourceOrReason) << row;
		EXPECT_TRUE(std::isnan(figure.value)) << row;
		return;
	}
	EXPECT_EQ(figure.unusable, "") << row;
	EXPECT_EQ(figure.source, expected.sourceOrReason) << row;
	if (std::isinf(expected.value))
		EXPECT_EQ(figure.value, expected.value) << row;
	else
		EXPECT_NEAR(figure.value, expected.value, 1e-9) << row;
}

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

TEST(PhotoReading, FocusDistanceFromEachTagInItsUnit)
{
	struct Row {
		const char *name;
		Tags tags;
		Expected distance;
	};
	const std::string canonSi = "Exif.CanonSi.SubjectDistance";
	const std::string photo = "Exif.Photo.SubjectDistance";
	for (const Row &row : std::vector<Row>{
		     { "metres 5/1", canon7D({ { photo, "5/1" } }), { 5000.0, photo } },
		     { "numerator 0xFFFFFFFF", canon7D({ { photo, "4294967295/1" } }), { kInfinity, photo } },
		     { "0/1",
		       canon7D({ { photo, "0/1" } }),
		       { kNone,
			 "not recorded (Exif.Photo.SubjectDistance is 0/1, which the Exif standard defines as unknown)" } },
		     { "0/0",
		       canon7D({ { photo, "0/0" } }),
		       { kNone,
			 "not recorded (Exif.Photo.SubjectDistance is 0/0, which the Exif standard defines as unknown)" } },
		     { "5/0",
		       canon7D({ { photo, "5/0" } }),
		       { kNone, "Exif.Photo.SubjectDistance is 5/0, no number" } },
		     { "text",
		       canon7D({ { photo, "5 m", Exiv2::asciiString } }),
		       { kNone, "Exif.Photo.SubjectDistance holds no number" } },
		     { "4294967294/1",
		       canon7D({ { photo, "4294967294/1" } }),
		       { kNone, "Exif.Photo.SubjectDistance is 4294967294/1, farther than any camera focuses" } },
		     { "before a maker note", canon7D({ { photo, "3/1" }, { canonSi, "500" } }), { 3000.0, photo } },
		     { "Canon cm", canon7D({ { canonSi, "500" } }), { 5000.0, canonSi } },
		     { "Canon 0xFFFF", canon7D({ { canonSi, "65535" } }), { kInfinity, canonSi } },
		     { "Canon upper cm",
		       canon7D({ { "Exif.CanonFi.FocusDistanceUpper", "600" } }),
		       { 6000.0, "Exif.CanonFi.FocusDistanceUpper" } },
		     { "Casio mm",
		       { { "Exif.Image.Make", "CASIO COMPUTER CO.,LTD." },
			 { "Exif.Image.Model", "EX-Z750" },
			 { "Exif.Casio2.ObjectDistance", "5000" } },
		       { 5000.0, "Exif.Casio2.ObjectDistance" } },
		     { "Minolta mm",
		       { { "Exif.Image.Make", "Minolta Co., Ltd." },
			 { "Exif.Image.Model", "DiMAGE A1" },
			 { "Exif.MinoltaCsNew.FocusDistance", "5000" } },
		       { 5000.0, "Exif.MinoltaCsNew.FocusDistance" } },
		     { "none", canon7D({}), { kNone, "not recorded" } },
	     })
		expectFigure(readTags(row.tags).focusDistance, row.distance, row.name);
}

TEST(PhotoReading, FiguresACameraCannotRecordHaveNone)
{
	struct Row {
		const char *name;
		PhotoTag tag;
		PhotoFigure PhotoReading::*figure;
		Expected expected;
	};
	const std::string focal = "Exif.Photo.FocalLength";
	const std::string aperture = "Exif.Photo.FNumber";
	for (const Row &row : std::vector<Row>{
		     { "focal 0/1",
		       { focal, "0/1" },
		       &PhotoReading::focalLength,
		       { kNone, "Exif.Photo.FocalLength is 0/1, not above 0" } },
		     { "focal -50/1",
		       { focal, "-50/1", Exiv2::signedRational },
		       &PhotoReading::focalLength,
		       { kNone, "Exif.Photo.FocalLength is -50/1, not above 0" } },
		     { "focal 0/0",
		       { focal, "0/0" },
		       &PhotoReading::focalLength,
		       { kNone, "Exif.Photo.FocalLength is 0/0, no number" } },
		     { "focal 20 m",
		       { focal, "20000/1" },
		       &PhotoReading::focalLength,
		       { kNone, "Exif.Photo.FocalLength is 20000/1, longer than any lens" } },
		     { "f/0.1",
		       { aperture, "1/10" },
		       &PhotoReading::fNumber,
		       { kNone, "Exif.Photo.FNumber is 1/10, faster than any lens can be (f/0.5)" } },
		     { "f/0",
		       { aperture, "0/1" },
		       &PhotoReading::fNumber,
		       { kNone, "Exif.Photo.FNumber is 0/1, not above 0" } },
		     { "f/2000",
		       { aperture, "2000/1" },
		       &PhotoReading::fNumber,
		       { kNone, "Exif.Photo.FNumber is 2000/1, narrower than any lens" } },
		     { "APEX 6",
		       { "Exif.Photo.ApertureValue", "6/1" },
		       &PhotoReading::fNumber,
		       { 8.0, "Exif.Photo.ApertureValue" } },
		     { "35 mm 0",
		       { "Exif.Photo.FocalLengthIn35mmFilm", "0" },
		       &PhotoReading::focalLength35mm,
		       { kNone,
			 "not recorded (Exif.Photo.FocalLengthIn35mmFilm is 0, which the Exif standard defines as "
			 "unknown)" } },
	     })
		expectFigure(readTags(canon7D({ row.tag })).*row.figure, row.expected, row.name);
}

TEST(PhotoReading, FrameFromTheFirstSourceThatGivesOne)
{
	const CameraDatabaseLoad fixture = loadCameraDatabase(MIREL_CAMERA_FIXTURE);
	struct Row {
		const char *name;
		Tags tags;
		const CameraDatabaseLoad *cameras;
		FrameSource source;
		double width, height;
		std::string howOrWhy;
	};
	const Tags unknownCamera{ { "Exif.Image.Make", "Acme" }, { "Exif.Image.Model", "Snap 1" } };
	const auto with = [](Tags tags, const Tags &more) {
		tags.insert(tags.end(), more.begin(), more.end());
		return tags;
	};
	// 5184 × 3456 pixels on 22.3 × 14.9 mm, in pixels per centimetre.
	const Tags focalPlane{ { "Exif.Photo.PixelXDimension", "5184" },
			       { "Exif.Photo.PixelYDimension", "3456" },
			       { "Exif.Photo.FocalPlaneXResolution", "518400/223" },
			       { "Exif.Photo.FocalPlaneYResolution", "345600/149" },
			       { "Exif.Photo.FocalPlaneResolutionUnit", "3" } };
	// 80 mm at 50 mm: crop factor 1.6, a diagonal of 43.2666 / 1.6 mm at 3:2.
	const Tags equivalent{ { "Exif.Photo.FocalLength", "50/1" },
			       { "Exif.Photo.FocalLengthIn35mmFilm", "80" },
			       { "Exif.Photo.PixelXDimension", "6000" },
			       { "Exif.Photo.PixelYDimension", "4000" } };
	const CameraDatabaseLoad &installed = installedCameraDatabase();
	for (const Row &row : std::vector<Row>{
		     { "Canon", with(canon7D({}), focalPlane), &installed, FrameSource::CameraDatabase, 22.2222,
		       14.8148, "Canon EOS 7D in the camera database" },
		     { "Nikon",
		       { { "Exif.Image.Make", "NIKON CORPORATION" }, { "Exif.Image.Model", "NIKON D800" } },
		       &installed,
		       FrameSource::CameraDatabase,
		       36.0,
		       24.0,
		       "Nikon D800 in the camera database" },
		     { "Olympus",
		       { { "Exif.Image.Make", "OLYMPUS IMAGING CORP.  " }, { "Exif.Image.Model", "E-M1MarkII" } },
		       &installed,
		       FrameSource::CameraDatabase,
		       17.3066,
		       12.98,
		       "Olympus E-M1MarkII in the camera database" },
		     { "one frame under two names",
		       { { "Exif.Image.Make", "OLYMPUS IMAGING CORP." }, { "Exif.Image.Model", "u-miniD,Stylus V" } },
		       &installed,
		       FrameSource::CameraDatabase,
		       6.0,
		       4.0,
		       "Olympus \xB5-mini Digital in the camera database" },
		     { "focal plane", with(with(unknownCamera, equivalent), focalPlane), &installed,
		       FrameSource::FocalPlaneResolution, 22.3, 14.9,
		       "5184 \xD7 3456 pixels at the focal-plane resolution of 232.47 \xD7 231.95 pixels per mm" },
		     { "focal plane in inches",
		       with(unknownCamera, { { "Exif.Photo.PixelXDimension", "5184" },
					     { "Exif.Photo.PixelYDimension", "3456" },
					     { "Exif.Photo.FocalPlaneXResolution", "5184/1" } }),
		       &installed, FrameSource::FocalPlaneResolution, 25.4, 16.9333,
		       "5184 \xD7 3456 pixels at the focal-plane resolution of 204.09 \xD7 204.09 pixels per mm" },
		     { "focal plane of no camera",
		       with(with(unknownCamera, equivalent), { { "Exif.Photo.FocalPlaneXResolution", "1/1000" },
							       { "Exif.Photo.FocalPlaneResolutionUnit", "3" } }),
		       &installed, FrameSource::FocalLength35mm, 22.5, 15.0,
		       "the 35 mm equivalent focal length 80 mm at 50 mm: crop factor 1.6" },
		     { "ambiguous name",
		       with({ { "Exif.Image.Make", "Leica" }, { "Exif.Image.Model", "Digilux 2" } }, equivalent),
		       &fixture, FrameSource::FocalLength35mm, 22.5, 15.0,
		       "the 35 mm equivalent focal length 80 mm at 50 mm: crop factor 1.6" },
		     { "nothing", unknownCamera, &installed, FrameSource::None, kNone, kNone,
		       "Acme / Snap 1 is not in the camera database; focal-plane resolution: not recorded; 35 mm "
		       "equivalent: not recorded" },
	     }) {
		const PhotoFrame frame = readTags(row.tags, *row.cameras).frame;
		EXPECT_EQ(frame.source, row.source) << row.name;
		EXPECT_EQ(row.source == FrameSource::None ? frame.unusable : frame.how, row.howOrWhy) << row.name;
		if (row.source != FrameSource::None) {
			EXPECT_NEAR(frame.width, row.width, 1e-4) << row.name;
			EXPECT_NEAR(frame.height, row.height, 1e-4) << row.name;
		}
	}
}

// The formats exiv2 writes, through the file: the same figures from each,
// the raw files' own maker notes among them.
TEST(PhotoReading, EachFormatExiv2Writes)
{
	struct Row {
		const char *name;
		PhotoFormat format;
		Tags tags;
		std::string distanceTag;
	};
	const Tags shot{ { "Exif.Photo.FocalLength", "50/1" }, { "Exif.Photo.FNumber", "8/1" } };
	const auto with = [&](Tags tags) {
		tags.insert(tags.end(), shot.begin(), shot.end());
		return tags;
	};
	const testing::TempDir dir;
	for (const Row &row : std::vector<Row>{
		     { "JPEG", PhotoFormat::Jpeg, with(canon7D({ { "Exif.Photo.SubjectDistance", "5/1" } })),
		       "Exif.Photo.SubjectDistance" },
		     { "TIFF", PhotoFormat::Tiff, with(canon7D({ { "Exif.Photo.SubjectDistance", "5/1" } })),
		       "Exif.Photo.SubjectDistance" },
		     { "DNG", PhotoFormat::Dng, with(canon7D({ { "Exif.Photo.SubjectDistance", "5/1" } })),
		       "Exif.Photo.SubjectDistance" },
		     { "CR2", PhotoFormat::Cr2, with(canon7D({ { "Exif.CanonSi.SubjectDistance", "500" } })),
		       "Exif.CanonSi.SubjectDistance" },
		     { "NEF, a TIFF", PhotoFormat::Tiff,
		       with({ { "Exif.Image.Make", "NIKON CORPORATION" },
			      { "Exif.Image.Model", "NIKON D800" },
			      { "Exif.Nikon3.FocusDistance", "5/1" } }),
		       "Exif.Nikon3.FocusDistance" },
		     { "ORF", PhotoFormat::Orf,
		       with({ { "Exif.Image.Make", "OLYMPUS IMAGING CORP." },
			      { "Exif.Image.Model", "E-M1MarkII" },
			      { "Exif.Olympus.FocusDistance", "5000/1" } }),
		       "Exif.Olympus.FocusDistance" },
	     }) {
		const std::string path = dir.path() + "/photo";
		testing::writePhoto(path, row.format, row.tags);
		const PhotoReading reading = readPhoto(path, installedCameraDatabase());
		EXPECT_EQ(reading.error, "") << row.name;
		expectFigure(reading.focalLength, { 50.0, "Exif.Photo.FocalLength" }, row.name);
		expectFigure(reading.fNumber, { 8.0, "Exif.Photo.FNumber" }, row.name);
		expectFigure(reading.focusDistance, { 5000.0, row.distanceTag }, row.name);
		EXPECT_EQ(reading.frame.source, FrameSource::CameraDatabase) << row.name;
	}
}

TEST(PhotoReading, PictureSizeOfItsOwnWithoutTheExifTags)
{
	const testing::TempDir dir;
	const std::string path = dir.path() + "/photo.tif";
	testing::writePhoto(path, PhotoFormat::Tiff,
			    { { "Exif.Photo.FocalPlaneXResolution", "518400/223" },
			      { "Exif.Photo.FocalPlaneYResolution", "345600/149" },
			      { "Exif.Photo.FocalPlaneResolutionUnit", "3" } });
	const PhotoReading reading = readPhoto(path, installedCameraDatabase());
	expectFigure(reading.pixelWidth, { 5184.0, "the image's size" }, "width");
	EXPECT_EQ(reading.frame.source, FrameSource::FocalPlaneResolution);
	EXPECT_NEAR(reading.frame.width, 22.3, 1e-9);
}

TEST(PhotoReading, TextsOfAnyBytesAsWindows1252)
{
	const PhotoReading reading = readTags({ { "Exif.Image.Make", "  Caf\xC3\xA9\t\x1B[31m \xFF  " },
						{ "Exif.Image.Model", std::string(300, 'x') },
						{ "Exif.Photo.LensModel", "EF50mm f/1.8\nII" } });
	EXPECT_EQ(reading.make, "Caf\xE9 [31m ?");
	EXPECT_EQ(reading.model, std::string(97, 'x') + "...");
	EXPECT_EQ(reading.lens, "EF50mm f/1.8 II");
}

TEST(PhotoReading, FilesThatAreNoPhoto)
{
	const testing::TempDir dir;
	const std::string at = dir.path() + "/";
	struct Row {
		const char *name;
		std::string path;
		std::string error;
	};
	testing::writeFile(at + "notes.txt", "Was the whole bird sharp?");
	testing::writeFile(at + "empty.jpg", "");
	testing::writePhoto(at + "bare.jpg", PhotoFormat::Jpeg, {});
	const std::string photo =
		testing::photoBytes(PhotoFormat::Tiff, canon7D({ { "Exif.Photo.FocalLength", "50/1" } }));
	testing::writeFile(at + "cut.tif", photo.substr(0, 20));
	std::filesystem::create_directory(at + "folder.jpg");
	ASSERT_EQ(::mkfifo((at + "pipe.jpg").c_str(), 0600), 0);
	// Sparse: files that take no room.
	const auto sparse = [&](const std::string &name, std::string_view head, std::uintmax_t size) {
		testing::writeFile(at + name, head);
		std::filesystem::resize_file(at + name, size);
	};
	sparse("huge.tif", "II*\0", std::uintmax_t{ 2 } << 30);
	sparse("large.jpg", "\xFF\xD8\xFF", (std::uintmax_t{ 128 } << 20) + 1);
	for (const Row &row : std::vector<Row>{
		     { "not an image", at + "notes.txt",
		       "not an image Mirel reads (JPEG, TIFF, PNG, WebP, HEIF or a camera's raw file)" },
		     { "empty", at + "empty.jpg", "an empty file, not a photo" },
		     { "without metadata", at + "bare.jpg", "holds no Exif metadata: no camera settings to read" },
		     { "cut short", at + "cut.tif", "damaged or cut short: " },
		     { "folder", at + "folder.jpg", "a folder, not a photo" },
		     { "pipe", at + "pipe.jpg", "not a regular file, not a photo" },
		     { "2 GiB", at + "huge.tif", "larger than any photo Mirel reads (1 GiB)" },
		     { "JPEG over 128 MiB", at + "large.jpg",
		       "larger than any JPEG, HEIF, CR3, PNG, WebP or JPEG 2000 photo Mirel reads (128 MiB)" },
		     { "missing", at + "missing.jpg", "no such file" },
	     }) {
		const PhotoReading reading = readPhoto(row.path, installedCameraDatabase());
		EXPECT_TRUE(reading.error.starts_with(row.error)) << row.name << ": " << reading.error;
		EXPECT_EQ(reading.make + reading.model, "") << row.name;
		EXPECT_FALSE(reading.focalLength.known()) << row.name;
	}
}

TEST(PhotoReading, FileCutShortReadInPart)
{
	const std::string photo =
		testing::photoBytes(PhotoFormat::Tiff, canon7D({ { "Exif.Photo.FocalLength", "50/1" } }));
	const PhotoReading reading = readPhoto(std::span(reinterpret_cast<const unsigned char *>(photo.data()), 70),
					       installedCameraDatabase());
	EXPECT_TRUE(reading.damage.starts_with("damaged or cut short, read in part: ")) << reading.damage;
	expectFigure(reading.pixelWidth, { 5184.0, "the image's size" }, "width");
	EXPECT_EQ(reading.focalLength.unusable, "not recorded");
}

// As a user who may not read the file: root reads every file, so a child
// process reads it as nobody.
std::string errorReadingAsNobody(const std::string &path)
{
	if (::geteuid() != 0)
		return readPhoto(path, installedCameraDatabase()).error;
	int pipe[2];
	if (::pipe(pipe) != 0)
		return "no pipe";
	const pid_t child = ::fork();
	if (child == 0) {
		std::string error = "cannot become nobody";
		if (::setgid(65534) == 0 && ::setuid(65534) == 0)
			error = readPhoto(path, CameraDatabaseLoad{}).error;
		(void)!::write(pipe[1], error.data(), error.size());
		::_exit(0);
	}
	::close(pipe[1]);
	std::string error(200, '\0');
	const ssize_t got = ::read(pipe[0], error.data(), error.size());
	::close(pipe[0]);
	::waitpid(child, nullptr, 0);
	error.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
	return error;
}

TEST(PhotoReading, UnreadableFile)
{
	const testing::TempDir dir;
	std::filesystem::permissions(dir.path(),
				     std::filesystem::perms::owner_all | std::filesystem::perms::others_exec);
	const std::string path = dir.path() + "/locked.jpg";
	testing::writePhoto(path, PhotoFormat::Jpeg, canon7D({}));
	std::filesystem::permissions(path, std::filesystem::perms::none);
	EXPECT_EQ(errorReadingAsNobody(path), "not readable: permission denied");
}

// exiv2 takes the name "-" for standard input, which is never read.
TEST(PhotoReading, FileNamedAsStandardInput)
{
	const testing::TempDir dir;
	testing::writePhoto(dir.path() + "/-", PhotoFormat::Jpeg, canon7D({ { "Exif.Photo.FNumber", "8/1" } }));
	const std::filesystem::path before = std::filesystem::current_path();
	std::filesystem::current_path(dir.path());
	const PhotoReading reading = readPhoto("-", installedCameraDatabase());
	std::filesystem::current_path(before);
	EXPECT_EQ(reading.fNumber.value, 8.0);
}

TEST(PhotoReading, OnSeveralThreadsAtOnce)
{
	const testing::TempDir dir;
	const std::string path = dir.path() + "/photo.jpg";
	testing::writePhoto(path, PhotoFormat::Jpeg, canon7D({ { "Exif.Photo.SubjectDistance", "5/1" } }));
	std::vector<PhotoReading> readings(4);
	std::vector<std::thread> threads;
	for (PhotoReading &reading : readings)
		threads.emplace_back([&] { reading = readPhoto(path, installedCameraDatabase()); });
	for (std::thread &thread : threads)
		thread.join();
	for (const PhotoReading &reading : readings) {
		EXPECT_EQ(reading.focusDistance.value, 5000.0);
		EXPECT_EQ(reading.frame.how, "Canon EOS 7D in the camera database");
	}
}

} // namespace
} // namespace mirel
