#include "photos/photo_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

#include <exiv2/exiv2.hpp>
#include <exiv2/webpimage.hpp>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "photos/photo_reading.h"
#include "photos/tag_text.h"

namespace mirel {

namespace {

// exiv2's types of the formats above, and the largest file of each read.
// exiv2 finds the metadata of TIFF and the raw formats by their offsets,
// in no time whatever the size; the others it reads part by part, where a
// file made of the smallest parts takes a second for every 8 MiB or so.
struct PhotoType {
	int type;
	std::uintmax_t largest;
};
constexpr std::array kPhotoTypes = {
	PhotoType{ Exiv2::ImageType::tiff, kLargestPhotoFile },
	PhotoType{ Exiv2::ImageType::cr2, kLargestPhotoFile },
	PhotoType{ Exiv2::ImageType::crw, kLargestPhotoFile },
	PhotoType{ Exiv2::ImageType::mrw, kLargestPhotoFile },
	PhotoType{ Exiv2::ImageType::orf, kLargestPhotoFile },
	PhotoType{ Exiv2::ImageType::raf, kLargestPhotoFile },
	PhotoType{ Exiv2::ImageType::rw2, kLargestPhotoFile },
	PhotoType{ Exiv2::ImageType::jpeg, kLargestPhotoReadInParts },
	PhotoType{ Exiv2::ImageType::bmff, kLargestPhotoReadInParts },
	PhotoType{ Exiv2::ImageType::png, kLargestPhotoReadInParts },
	PhotoType{ Exiv2::ImageType::webp, kLargestPhotoReadInParts },
	PhotoType{ Exiv2::ImageType::jp2, kLargestPhotoReadInParts },
};

// The bytes the formats are told apart by are within these.
constexpr std::size_t kHeadBytes = 4096;

// The first of exiv2's error messages on this thread since it was taken.
thread_local std::string complaint;

void keepComplaint(int, const char *message)
{
	if (complaint.empty())
		complaint = tagText(message);
}

// exiv2 set up once for every reading, on any thread: its error messages
// kept for the reading that caused them rather than written to standard
// error, the XMP toolkit started before threads use it, as exiv2 asks, and
// BMFF (CR3, HEIF) read.
void prepareExiv2()
{
	static const bool prepared = [] {
		Exiv2::LogMsg::setLevel(Exiv2::LogMsg::error);
		Exiv2::LogMsg::setHandler(keepComplaint);
		Exiv2::XmpParser::initialize();
		Exiv2::enableBMFF(true);
		return true;
	}();
	(void)prepared;
}

// Why bytes that begin so, of a file of size bytes, are not a photo.
std::string notAPhoto(std::span<const unsigned char> head, std::uintmax_t size)
{
	if (size == 0)
		return std::string(kEmptyFile);
	if (size > kLargestPhotoFile)
		return std::string(kLargerThanAnyPhoto);
	const int type = Exiv2::ImageFactory::getType(head.data(), static_cast<long>(head.size()));
	const auto photo = std::ranges::find(kPhotoTypes, type, &PhotoType::type);
	if (photo == kPhotoTypes.end())
		return std::string(kNotAPhoto);
	if (size > photo->largest)
		return std::string(kLargerThanFormat);
	return {};
}

std::string cannotOpen(int error)
{
	switch (error) {
	case ENOENT:
		return std::string(kNoSuchFile);
	case EACCES:
		return std::string(kNotReadable);
	default:
		return "cannot be opened: " + tagText(std::generic_category().message(error));
	}
}

// A file descriptor closed when it goes.
class Descriptor
{
public:
	explicit Descriptor(int fd) : fd_(fd) {}
	~Descriptor()
	{
		if (fd_ >= 0)
			::close(fd_);
	}
	Descriptor(const Descriptor &) = delete;
	Descriptor &operator=(const Descriptor &) = delete;
	int fd() const { return fd_; }

private:
	int fd_;
};

// Why the file cannot be a photo, from the file itself: opened without
// waiting (a pipe would wait for a writer), so that what is checked is what
// was opened.
std::string fileProblem(const std::filesystem::path &file)
{
	const Descriptor opened(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
	if (opened.fd() < 0)
		return cannotOpen(errno);
	struct stat status {};
	if (::fstat(opened.fd(), &status) != 0)
		return cannotOpen(errno);
	if (S_ISDIR(status.st_mode))
		return std::string(kFolder);
	if (!S_ISREG(status.st_mode))
		return std::string(kNotRegularFile);
	std::array<unsigned char, kHeadBytes> head{};
	ssize_t got = 0;
	do
		got = ::read(opened.fd(), head.data(), head.size());
	while (got < 0 && errno == EINTR);
	if (got < 0)
		return cannotOpen(errno);
	return notAPhoto(std::span(head).first(static_cast<std::size_t>(got)),
			 static_cast<std::uintmax_t>(status.st_size));
}

} // namespace

std::string takeExiv2Complaint()
{
	return std::exchange(complaint, {});
}

// exiv2 0.27 hands images and their input over in std::auto_ptr, which C++
// has deprecated.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

OpenedPhoto openPhoto(const std::filesystem::path &file)
{
	prepareExiv2();
	if (std::string problem = fileProblem(file); !problem.empty())
		return { nullptr, std::move(problem) };
	// A FileIo of its own: given the name, exiv2 would take "-" for standard
	// input and "http://..." for a download.
	return { Exiv2::ImageFactory::open(Exiv2::BasicIo::AutoPtr(new Exiv2::FileIo(file.string()))), {} };
}

OpenedPhoto openPhoto(std::span<const unsigned char> bytes)
{
	prepareExiv2();
	if (std::string problem = notAPhoto(bytes.first(std::min(bytes.size(), kHeadBytes)), bytes.size());
	    !problem.empty())
		return { nullptr, std::move(problem) };
	return { Exiv2::ImageFactory::open(bytes.data(), static_cast<long>(bytes.size())), {} };
}

#pragma GCC diagnostic pop

} // namespace mirel
