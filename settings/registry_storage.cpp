#include "settings/registry_storage.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "settings/message_box.h"

namespace mirel {

namespace {

constexpr std::string_view kErrorCaption = "Mirel Error";
constexpr std::uint32_t kNameSize = 20; // room for a name a little too long, cut on reading
constexpr std::size_t kFilmPathSize = 40;

void filmSubkeyPath(char (&path)[kFilmPathSize], int index)
{
	std::snprintf(path, sizeof path, "FilmSizes\\%i", index);
}

// Goes back to the product key however the reads or writes of a film
// subkey end.
class SubkeyScope
{
public:
	SubkeyScope(RegistryKey &key, RegKey parent) : key_(key), parent_(parent) {}
	~SubkeyScope() { key_.leaveSubkey(parent_); }
	SubkeyScope(const SubkeyScope &) = delete;
	SubkeyScope &operator=(const SubkeyScope &) = delete;

private:
	RegistryKey &key_;
	RegKey parent_;
};

// A 32-bit field read straight into place: on failure it keeps its value.
void readInt(RegistryKey &key, std::string_view name, std::int32_t &field)
{
	auto raw = static_cast<std::uint32_t>(field);
	key.readDword(name, raw);
	field = static_cast<std::int32_t>(raw);
}

} // namespace

void readSettingsRecord(RegistryKey &key, CalcSettings &settings)
{
	readInt(key, "RoundStopsMethod", settings.RoundStopsMethod);
	readInt(key, "RoundOtherMethod", settings.RoundOtherMethod);
	auto unit = static_cast<std::int32_t>(settings.LengthUnit);
	readInt(key, "LengthUnit", unit);
	settings.LengthUnit = static_cast<LengthUnit>(unit);
	key.readDouble("Aperture", settings.Aperture);
	key.readDouble("FocusDistance", settings.FocusDistance);
	key.readDouble("FocalLength", settings.FocalLength);
	key.readDouble("SpotPercent", settings.SpotPercent);

	for (int i = 0; i < kFilmFormatCount; ++i) {
		char path[kFilmPathSize];
		filmSubkeyPath(path, i);
		const RegKey parent = key.openSubkey(path, false);
		if (parent == kNoKey)
			break; // the later formats keep their built-in values
		SubkeyScope scope(key, parent);
		FilmFormat &format = settings.FilmSizes[static_cast<std::size_t>(i)];
		char name[kNameSize];
		const std::uint32_t received = key.readBytes("Name", name, sizeof name);
		// Up to the terminator, or all that came when it is missing; a name
		// of 16 to 19 characters is cut to the 15 the field holds.
		setFilmName(format, std::string_view(name, received));
		key.readDouble("Width", format.Width);
		key.readDouble("Height", format.Height);
		key.readDouble("CoC", format.CoC);
	}

	// Only the low byte is the selection.
	std::uint32_t filmSize = settings.FilmSize;
	key.readDword("FilmSize", filmSize);
	settings.FilmSize = static_cast<std::uint8_t>(filmSize & 0xFF);
}

void readStartupPrefs(RegistryKey &key, StartupPrefs &prefs)
{
	std::uint32_t value = prefs.StartWithLastForm;
	key.readDword("StartWithLastForm", value);
	prefs.StartWithLastForm = value != 0;

	// The low byte as a signed PageIndex: 0xFFFFFFFF is -1, no page.
	value = static_cast<std::uint8_t>(prefs.StartupForm);
	key.readDword("StartupForm", value);
	prefs.StartupForm = static_cast<std::int8_t>(static_cast<std::uint8_t>(value & 0xFF));

	value = prefs.FieldsBecomeDefaults;
	key.readDword("FieldsBecomeDefaults", value);
	prefs.FieldsBecomeDefaults = value != 0;
}

void writeSettingsRecord(RegistryKey &key, const CalcSettings &settings)
{
	key.writeDword("RoundStopsMethod", static_cast<std::uint32_t>(settings.RoundStopsMethod));
	key.writeDword("RoundOtherMethod", static_cast<std::uint32_t>(settings.RoundOtherMethod));
	key.writeDword("LengthUnit", static_cast<std::uint32_t>(settings.LengthUnit));
	key.writeDouble("Aperture", settings.Aperture);
	key.writeDouble("FocusDistance", settings.FocusDistance);
	key.writeDouble("FocalLength", settings.FocalLength);
	key.writeDouble("SpotPercent", settings.SpotPercent);

	// All ten, whatever they hold, so that one save makes the whole layout.
	for (int i = 0; i < kFilmFormatCount; ++i) {
		char path[kFilmPathSize];
		filmSubkeyPath(path, i);
		const RegKey parent = key.openSubkey(path, true);
		if (parent == kNoKey)
			break; // already shown by openSubkey
		SubkeyScope scope(key, parent);
		const FilmFormat &format = settings.FilmSizes[static_cast<std::size_t>(i)];
		key.writeString("Name", filmName(format));
		key.writeDouble("Width", format.Width);
		key.writeDouble("Height", format.Height);
		key.writeDouble("CoC", format.CoC);
	}

	key.writeDword("FilmSize", settings.FilmSize); // zero-extended
}

void writeStartupPrefs(RegistryKey &key, const StartupPrefs &prefs)
{
	key.writeDword("StartWithLastForm", prefs.StartWithLastForm ? 1 : 0);
	// Sign-extended: -1 is stored as 0xFFFFFFFF.
	key.writeDword("StartupForm", static_cast<std::uint32_t>(static_cast<std::int32_t>(prefs.StartupForm)));
	key.writeDword("FieldsBecomeDefaults", prefs.FieldsBecomeDefaults ? 1 : 0);
}

RegistrySettingsStorage::RegistrySettingsStorage(std::string path) : store_(std::move(path))
{
	settingsKey.useRegistry(&store_);
}

RegistrySettingsStorage::~RegistrySettingsStorage()
{
	if (settingsKey.registry() == &store_) {
		settingsKey.close();
		settingsKey.useRegistry(nullptr);
	}
}

void RegistrySettingsStorage::readStored(CalcSettings &defaults, StartupPrefs &prefs)
{
	if (!settingsKey.openProductKey(false))
		return; // the first run, or nothing that can be read: built-in values
	try {
		readSettingsRecord(settingsKey, defaults);
		readStartupPrefs(settingsKey, prefs);
	} catch (const std::runtime_error &error) {
		showMessageBox(kErrorCaption, error.what());
	}
}

void RegistrySettingsStorage::writeStored(const CalcSettings &defaults, const StartupPrefs &prefs)
{
	store_.beginBatch();
	if (settingsKey.openProductKey(true)) {
		try {
			writeSettingsRecord(settingsKey, defaults);
			writeStartupPrefs(settingsKey, prefs);
			// The values are staged; this is where they reach the disk. A
			// failure here is the failure of the write that ended the save.
			if (const RegResult result = store_.commitBatch(); result != kRegSuccess)
				settingsKey.raiseValueError("write", store_.lastValueSet(), result);
		} catch (const std::runtime_error &error) {
			showMessageBox(kErrorCaption, error.what());
		}
	}
	// After a failed write the values written before it are kept, as the
	// registry keeps them. Whatever fails here has been reported already.
	store_.commitBatch();
}

} // namespace mirel
