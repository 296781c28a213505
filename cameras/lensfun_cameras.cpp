#include "cameras/lensfun_cameras.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include <lensfun/lensfun.h>

#include "core/cp1252.h"

namespace mirel {

namespace {

// One text of a lensfun multi-language string: the default one has no
// language.
struct Translation {
	std::string_view language;
	std::string_view text;
};

// The texts of a multi-language string, the default first. lensfun keeps
// them as "default\0language\0text\0...\0\0".
std::vector<Translation> translations(const char *mlstr)
{
	std::vector<Translation> texts;
	if (mlstr == nullptr)
		return texts;
	texts.push_back({ {}, mlstr });
	for (const char *at = mlstr + std::strlen(mlstr) + 1; *at != '\0';) {
		const char *language = at;
		const char *text = language + std::strlen(language) + 1;
		texts.push_back({ language, text });
		at = text + std::strlen(text) + 1;
	}
	return texts;
}

// A name in Windows-1252 with single blanks between its words.
std::string cp1252Name(std::string_view utf8)
{
	std::string name;
	for (const char c : cp1252Replacing(utf8)) {
		const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
		if (!blank)
			name += c;
		else if (!name.empty() && name.back() != ' ')
			name += ' ';
	}
	if (name.ends_with(' '))
		name.pop_back();
	return name;
}

// The text shown of a multi-language string, and its others.
struct ShownName {
	std::string shown;
	std::vector<std::string> others;
};

// The English text is shown whatever the locale (lensfun's lf_mlstr_get
// would follow the locale's language; Mirel's texts are English): lensfun
// keeps there the names as people write them, its default being the name
// the camera writes into its pictures ("Olympus Imaging Corp."). The others
// are those Windows-1252 can write: a name with "?" for letters the code
// page lacks could neither be read nor typed.
ShownName shownName(const char *mlstr)
{
	const std::vector<Translation> texts = translations(mlstr);
	if (texts.empty())
		return {};
	const auto english = std::ranges::find(texts, std::string_view("en"), &Translation::language);
	ShownName name{ cp1252Name((english != texts.end() ? *english : texts.front()).text), {} };
	for (const Translation &other : texts) {
		if (cp1252FromUtf8(other.text).unfitAt != std::string_view::npos)
			continue;
		std::string text = cp1252Name(other.text);
		if (text != name.shown && std::ranges::find(name.others, text) == name.others.end())
			name.others.push_back(std::move(text));
	}
	return name;
}

// The crop factor as the database writes it: lensfun's float 1.62 as the
// double 1.62 rather than 1.6200000047683716.
double asWritten(float value)
{
	char text[32];
	const auto written = std::to_chars(text, text + sizeof text, value);
	double read = value;
	std::from_chars(text, written.ptr, read);
	return read;
}

} // namespace

std::vector<Camera> readLensfunCameras(const std::optional<std::filesystem::path> &folder)
{
	lfDatabase database;
	if (folder)
		database.LoadDirectory(folder->c_str());
	else
		database.Load();
	std::vector<Camera> cameras;
	for (const lfCamera *const *at = database.GetCameras(); at != nullptr && *at != nullptr; ++at) {
		const lfCamera &camera = **at;
		const double cropFactor = asWritten(camera.CropFactor);
		if (!usableCropFactor(cropFactor))
			continue;
		ShownName maker = shownName(camera.Maker);
		ShownName model = shownName(camera.Model);
		cameras.push_back(
			makeCamera({ std::move(maker.shown), std::move(model.shown), shownName(camera.Variant).shown,
				     std::move(maker.others), std::move(model.others) },
				   cp1252Name(camera.Mount != nullptr ? camera.Mount : ""), cropFactor));
	}
	return cameras;
}

} // namespace mirel
