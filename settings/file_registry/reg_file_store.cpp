#include "settings/file_registry/reg_file_store.h"

#include <utility>

namespace mirel {

RegFileStore::RegFileStore(std::string path)
	: file_(std::move(path), [this](std::optional<std::string_view> text) { return readImage(text); })
{
}

void RegFileStore::refreshFromRoot(RegKey parent)
{
	if (parent == kCurrentUserKey && !inBatch_)
		file_.refresh(); // a fresh start from the root sees what others saved
}

bool RegFileStore::readImage(std::optional<std::string_view> text)
{
	RegFileReading reading;
	if (text)
		reading = parseRegFile(*text);
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
		const RegResult result = change([&](RegFile &file) { file.keys.push_back({ full, {} }); });
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
	RegValue value{ std::string(name), type, std::string(static_cast<const char *>(data), size) };
	const RegResult result = change([&](RegFile &file) {
		// The key may have gone from the file since it was opened.
		RegKeyRecord *record = findKey(file, *path);
		if (!record)
			record = &file.keys.emplace_back(RegKeyRecord{ *path, {} });
		if (RegValue *existing = findValue(*record, name))
			*existing = value;
		else
			record->values.push_back(value);
	});
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

template <typename Edit>
RegResult RegFileStore::change(Edit edit)
{
	const bool alone = !inBatch_;
	if (alone)
		beginBatch();
	const RegResult result = file_.refusal();
	if (result == kRegSuccess) {
		edit(image_);
		changed_ = true;
	}
	if (alone) {
		const RegResult committed = commitBatch();
		if (result == kRegSuccess)
			return committed;
	}
	return result;
}

void RegFileStore::beginBatch()
{
	if (inBatch_)
		return;
	inBatch_ = true;
	changed_ = false;
	firstValueSet_.clear();
	file_.lock();
	file_.refresh();
}

RegResult RegFileStore::commitBatch()
{
	if (!inBatch_)
		return kRegSuccess;
	const RegResult result = changed_ ? file_.replace(formatRegFile(image_)) : kRegSuccess;
	file_.unlock();
	inBatch_ = changed_ = false;
	return result;
}

} // namespace mirel
