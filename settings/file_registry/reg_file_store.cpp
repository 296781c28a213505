#include "settings/file_registry/reg_file_store.h"

#include <utility>

namespace mirel {

namespace {

// Between attempts at a file that changed meanwhile, its writer is given a
// moment to finish.
constexpr std::chrono::milliseconds kRetryPause{ 20 };

} // namespace

RegFileStore::RegFileStore(std::string path, SaveClock &clock)
	: file_(std::move(path),
		[this](std::shared_ptr<const std::string> text) { return readImage(std::move(text)); }),
	  clock_(clock)
{
}

void RegFileStore::refreshFromRoot(RegKey parent)
{
	if (parent == kCurrentUserKey && !inSave_)
		file_.refresh(); // a fresh start from the root sees what others saved
}

bool RegFileStore::readImage(std::shared_ptr<const std::string> text)
{
	RegFileReading reading;
	if (text)
		reading = parseRegFile(std::move(text));
	image_ = std::move(reading.file);
	return !reading.damaged();
}

RegResult RegFileStore::openKey(RegKey parent, std::string_view path, RegKey &key)
{
	refreshFromRoot(parent);
	return handles_.openIn(image_, parent, path, key);
}

RegResult RegFileStore::createKey(RegKey parent, std::string_view path, RegKey &key)
{
	refreshFromRoot(parent);
	std::string full;
	if (const RegResult result = handles_.resolve(parent, path, full); result != kRegSuccess)
		return result;
	if (!keyExists(image_, full)) {
		const RegResult result = change([&](RegFile &file) {
			file.addKey(full);
			return true;
		});
		if (result != kRegSuccess)
			return result;
	}
	key = handles_.open(std::move(full));
	return kRegSuccess;
}

RegResult RegFileStore::queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size)
{
	const auto path = handles_.path(key);
	if (!path)
		return kRegInvalidHandle;
	return queryFileValue(image_, *path, name, data, size);
}

RegResult RegFileStore::setValue(RegKey key, std::string_view name, RegType type, const void *data, std::uint32_t size)
{
	const auto path = handles_.path(key);
	if (!path)
		return kRegInvalidHandle;
	if (!storableName(name) || (!data && size > 0))
		return kRegInvalidParameter;
	const RegValue value{ std::string(name), type, std::string(static_cast<const char *>(data), size) };
	// The key may have gone from the file since it was opened.
	const RegResult result = change([&](RegFile &file) { return file.setValue(file.addKey(*path), value); });
	if (result == kRegSuccess && firstValueSet_.empty())
		firstValueSet_ = name;
	return result;
}

RegResult RegFileStore::closeKey(RegKey key)
{
	return handles_.close(key);
}

std::string RegFileStore::describeError(RegResult code)
{
	return std::string(systemErrorText(code));
}

RegResult RegFileStore::change(const std::function<bool(RegFile &)> &edit)
{
	if (!inSave_) {
		RegResult result = kRegSuccess;
		const SaveResult saved = save([&] { result = change(edit); });
		return result != kRegSuccess ? result : saved.code;
	}
	if (const RegResult refused = file_.refusal(); refused != kRegSuccess)
		return refused;
	changed_ |= edit(image_);
	return kRegSuccess;
}

RegFileStore::SaveResult RegFileStore::save(const std::function<void()> &write)
{
	const SaveClock::TimePoint deadline = clock_.now() + kPatience;
	SaveResult saved;
	firstValueSet_.clear();
	for (bool again = false;; again = true) {
		if (again)
			clock_.sleepFor(kRetryPause);
		const FileLock::State lock = file_.lock(clock_, deadline);
		file_.refresh(); // the file as it is now
		inSave_ = true;
		changed_ = false;
		write();
		inSave_ = false;
		if (!changed_)
			break; // nothing to write
		std::string text = formatRegFile(image_);
		if (lock != FileLock::State::Busy) {
			saved.code = file_.replace(text);
			if (saved.code != SafeFile::kChangedSinceRead)
				break;
			if (clock_.now() < deadline)
				continue; // merge again with what another saved meanwhile
		}
		// Not merged in time: neither this version nor the other's is lost.
		saved.code = kRegSharingViolation;
		saved.keepFailure = file_.keepBeside(text, saved.keptIn);
		break;
	}
	file_.unlock();
	return saved;
}

} // namespace mirel
