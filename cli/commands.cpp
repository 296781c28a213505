#include "cli/commands.h"

#include <cmath>
#include <limits>
#include <optional>

#include "cli/camera_option.h"
#include "cli/option_text.h"
#include "core/calculators.h"
#include "core/circle_of_confusion.h"
#include "core/cp1252.h"
#include "core/diffraction.h"
#include "core/focus_plan.h"
#include "core/focus_stack.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "core/validity.h"
#include "settings/model/film_formats.h"

namespace mirel::cli {

namespace {

const std::string *option(const Given &given, std::string_view name)
{
	const auto it = given.options.find(name);
	return it == given.options.end() ? nullptr : &it->second;
}

// Every input as the page would hold it when it is not given: the fields a
// page shows and reads back (focal length, spot percentage, circle of
// confusion) hold the value of their six-decimal text.

double focalLength(const Given &given, const CalcSettings &settings)
{
	const std::string *text = option(given, "--focal");
	return text ? readLength("--focal", *text, LengthUnit::Millimetres) : shownValue(settings.FocalLength);
}

double aperture(const Given &given, const CalcSettings &settings)
{
	const std::string *text = option(given, "--aperture");
	return text ? readAperture("--aperture", *text) : settings.Aperture;
}

// The focus distance; read may take infinity.
double focusDistance(const Given &given, const CalcSettings &settings, decltype(readLength) read = readLength)
{
	const std::string *text = option(given, "--distance");
	return text ? read("--distance", *text, settings.LengthUnit) : settings.FocusDistance;
}

double spotPercent(const Given &given, const CalcSettings &settings)
{
	const std::string *text = option(given, "--percent");
	return text ? readPercent("--percent", *text) : shownValue(settings.SpotPercent);
}

int filmFormat(const Given &given, const CalcSettings &settings)
{
	const std::string *text = option(given, "--format");
	return text ? readFilmFormat("--format", *text, settings.FilmSizes) : settings.FilmSize;
}

const FilmFormat &format(const CalcSettings &settings, int index)
{
	return settings.FilmSizes[static_cast<std::size_t>(index)];
}

std::string lengthText(double mm, LengthUnit unit)
{
	if (std::isinf(mm))
		return "infinity";
	return formatPlain(fromMillimetres(mm, unit)) + " " + std::string(unitAbbreviation(unit));
}

Field focalField(double mm)
{
	return input("focal_length", "Focal length", "mm", mm, formatPlain(mm) + " mm");
}

Field apertureField(std::string key, std::string label, double f)
{
	return input(std::move(key), std::move(label), "", f, "f/" + formatPlain(f));
}

Field distanceField(double mm, LengthUnit unit)
{
	return input("distance", "Distance", "mm", mm, lengthText(mm, unit));
}

Field formatField(const CalcSettings &settings, int index)
{
	return named("format", "Film format", std::string(filmName(format(settings, index))));
}

Field millimetres(std::string key, std::string label, double mm)
{
	return input(std::move(key), std::move(label), "mm", mm, formatPlain(mm) + " mm");
}

// The frame a command works on: a format of the film table (given, or the
// selected one) or a camera given instead, with the field that names it.
struct Frame {
	double width, height;
	Field name;
};

Frame frameOf(const Given &given, const CalcSettings &settings)
{
	if (const std::string *text = option(given, "--camera")) {
		const Camera &camera = readCamera("--camera", *text);
		return { camera.frame.width, camera.frame.height, named("camera", "Camera", camera.fullName) };
	}
	const int index = filmFormat(given, settings);
	const FilmFormat &film = format(settings, index);
	return { film.Width, film.Height, formatField(settings, index) };
}

// The circle of confusion given, or else the one the film format (given, or
// the selected one) suggests, with the fields that say which.
struct CircleOfConfusion {
	double mm;
	std::vector<Field> fields;
};

CircleOfConfusion circleOfConfusion(const Given &given, const CalcSettings &settings)
{
	std::vector<Field> fields;
	double mm = 0.0;
	if (const std::string *text = option(given, "--coc")) {
		mm = readLength("--coc", *text, LengthUnit::Millimetres);
	} else {
		const Frame frame = frameOf(given, settings);
		mm = shownValue(suggestedCoC(frame.width, frame.height));
		fields.push_back(frame.name);
	}
	fields.push_back(input("coc", "Circle of confusion", "mm", mm, formatPlain(mm) + " mm"));
	return { mm, std::move(fields) };
}

// A report of one row of results.
Report single(std::string_view command, std::vector<Field> inputs, std::vector<Field> results,
	      std::string_view unusable)
{
	return { .command = std::string(command),
		 .inputs = std::move(inputs),
		 .rows = { Row{ {}, std::move(results) } },
		 .unusable = std::string(unusable) };
}

// The depth of field, also focused at infinity, which the pages cannot be.
DepthOfFieldResults depthOfFieldAt(double f, double N, double c, double s, LengthUnit unit)
{
	return s == std::numeric_limits<double>::infinity() ? depthOfFieldAtInfinityResults(f, N, c, unit)
							    : depthOfFieldResults(f, N, c, s, unit);
}

void keepFirstReason(Report &report, std::string_view unusable)
{
	if (report.unusable.empty())
		report.unusable = unusable;
}

Report stops(const Given &given, const CalcSettings &settings)
{
	const double f1 = readAperture("F1", given.arguments.at(0));
	const double f2 = readAperture("F2", given.arguments.at(1));
	const StopsResult r = stopsResult(f1, f2, settings.RoundStopsMethod);
	return single("stops", { apertureField("f1", "f1", f1), apertureField("f2", "f2", f2) },
		      { result("stops", "Stops", "stops", r.stops) }, r.unusable);
}

Report fNumber(const Given &given, const CalcSettings &settings)
{
	const double f1 = readAperture("F1", given.arguments.at(0));
	const double stops = readStops("STOPS", given.arguments.at(1));
	const FNumberResult r = fNumberResult(f1, stops, settings.RoundOtherMethod);
	return single("fnumber",
		      { apertureField("f1", "f1", f1), input("stops", "Stops", "stops", stops, formatPlain(stops)) },
		      { result("f_number", "f-number", "", r.fNumber) }, r.unusable);
}

Report depthOfField(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	const double N = aperture(given, settings);
	const double s = focusDistance(given, settings, readDistance);
	CircleOfConfusion c = circleOfConfusion(given, settings);
	const DepthOfFieldResults r = depthOfFieldAt(f, N, c.mm, s, settings.LengthUnit);
	std::vector<Field> inputs{ focalField(f), apertureField("aperture", "Aperture", N),
				   distanceField(s, settings.LengthUnit) };
	inputs.insert(inputs.end(), c.fields.begin(), c.fields.end());
	return single("dof", std::move(inputs),
		      { result("near", "Near", "mm", r.near), result("far", "Far", "mm", r.far),
			result("total", "Total", "mm", r.total) },
		      r.unusable);
}

Report hyperfocal(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	const double N = aperture(given, settings);
	CircleOfConfusion c = circleOfConfusion(given, settings);
	const HyperfocalResult r = hyperfocalResult(f, N, c.mm, settings.LengthUnit, settings.RoundOtherMethod);
	std::vector<Field> inputs{ focalField(f), apertureField("aperture", "Aperture", N) };
	inputs.insert(inputs.end(), c.fields.begin(), c.fields.end());
	return single("hyperfocal", std::move(inputs),
		      { result("hyperfocal", "Hyperfocal distance", "mm", r.distance) }, r.unusable);
}

Report fieldOfView(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	const double s = focusDistance(given, settings);
	const Frame frame = frameOf(given, settings);
	const FieldOfViewResults r = fieldOfViewResults(f, s, frame.width, frame.height, settings.LengthUnit);
	return single("fov", { focalField(f), distanceField(s, settings.LengthUnit), frame.name },
		      { result("horizontal", "Horizontal", "mm", r.horizontal),
			result("vertical", "Vertical", "mm", r.vertical) },
		      r.unusable);
}

Report angleOfView(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	const Frame frame = frameOf(given, settings);
	const AngleOfViewResults r = angleOfViewResults(f, frame.width, frame.height, settings.RoundOtherMethod);
	return single("aov", { focalField(f), frame.name },
		      { result("horizontal", "Horizontal", "deg", r.horizontal),
			result("vertical", "Vertical", "deg", r.vertical),
			result("diagonal", "Diagonal", "deg", r.diagonal) },
		      r.unusable);
}

Report magnification(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	const double s = focusDistance(given, settings);
	const MagnificationResult r = magnificationResult(f, s);
	return single("mag", { focalField(f), distanceField(s, settings.LengthUnit) },
		      { result("magnification", "Magnification", "", r.magnification) }, r.unusable);
}

Report spotMeter(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	const double percent = spotPercent(given, settings);
	const Frame frame = frameOf(given, settings);
	const SpotMeterResult r = spotMeterResult(f, percent, frame.width, frame.height);
	return single(
		"spot",
		{ focalField(f), input("percent", "Percent of frame", "", percent, formatPlain(percent)), frame.name },
		{ result("angle", "Angle of view", "deg", r.angle) }, r.unusable);
}

Report filmFormats(const Given &, const CalcSettings &settings)
{
	Report report{ .command = "formats" };
	for (int i = 0; i < kFilmFormatCount; ++i) {
		const FilmFormat &film = format(settings, i);
		report.rows.push_back(
			{ { index("index", "Index", i), named("name", "Name", std::string(filmName(film))),
			    millimetres("width", "Width", film.Width), millimetres("height", "Height", film.Height),
			    millimetres("coc", "Suggested CoC", suggestedCoC(film)) },
			  {} });
	}
	return report;
}

Report cameras(const Given &given, const CalcSettings &)
{
	const std::string text = given.arguments.empty() ? std::string() : given.arguments.front();
	const CameraMatches found = installedCameras("cameras").search(cp1252Replacing(text));
	Report report{ .command = "cameras" };
	// A frame to hundredths, as the camera chooser lists it; the value whole.
	const auto side = [](std::string key, std::string label, double mm) {
		return input(std::move(key), std::move(label), "mm", mm,
			     formatPlain(std::round(mm * 100.0) / 100.0) + " mm");
	};
	for (const CameraMatch &match : found.matches) {
		const Camera &camera = *match.camera;
		const Result circle =
			diagonalRuleCoC(camera.frame.width, camera.frame.height, DiagonalRule::Classic).coc;
		report.rows.push_back(
			{ { named("maker", "Maker", camera.names.maker), named("model", "Model", camera.names.model),
			    input("crop_factor", "Crop", "", camera.cropFactor, formatPlain(camera.cropFactor)),
			    side("width", "Width", camera.frame.width), side("height", "Height", camera.frame.height),
			    input("coc", "Classic CoC", "mm", circle.value, circle.text) },
			  {} });
	}
	if (found.matches.empty())
		report.unusable = "no camera matches '" + text + "'";
	else if (found.matches.front().rank == MatchRank::Near)
		report.unusable = "no camera matches '" + text + "'; these are the nearest names";
	return report;
}

// Which of --rule, --print and --pixels was given: exactly one must be,
// and the options that go with one only with it.
void checkCircleRule(const Given &given)
{
	const int given_ = (option(given, "--rule") != nullptr) + (option(given, "--print") != nullptr) +
			   (option(given, "--pixels") != nullptr);
	if (given_ != 1)
		throw UsageError("coc: give one of --rule, --print or --pixels");
	for (const auto &[extra, rule] : { std::pair{ "--viewing", "--print" }, std::pair{ "--eye-blur", "--print" },
					   std::pair{ "--factor", "--pixels" } }) {
		if (option(given, extra) && !option(given, rule))
			throw UsageError(std::string(extra) + " goes with " + rule);
	}
}

Report coc(const Given &given, const CalcSettings &settings)
{
	checkCircleRule(given);
	const Frame frame = frameOf(given, settings);
	std::vector<Field> inputs{ frame.name, millimetres("frame_width", "Frame width", frame.width),
				   millimetres("frame_height", "Frame height", frame.height) };
	CoCResult circle;
	if (const std::string *text = option(given, "--rule")) {
		const int rule = static_cast<int>(readDiagonalRule("--rule", *text));
		inputs.push_back(input("rule", "Rule", "", rule, "diagonal / " + std::to_string(rule)));
		circle = diagonalRuleCoC(frame.width, frame.height, static_cast<DiagonalRule>(rule));
	} else if (const std::string *size = option(given, "--print")) {
		const PrintSize print = readPrint("--print", *size);
		PrintViewing viewing{ print.width, print.height, std::nullopt, kEyeBlur };
		if (const std::string *distance = option(given, "--viewing"))
			viewing.viewingDistance = readLength("--viewing", *distance, settings.LengthUnit);
		if (const std::string *blur = option(given, "--eye-blur"))
			viewing.eyeBlur = readLength("--eye-blur", *blur, LengthUnit::Millimetres);
		const double distance = viewingDistance(viewing);
		inputs.push_back(named("print", "Print",
				       print.name.empty()
					       ? formatPlain(print.width) + " \xD7 " + formatPlain(print.height) + " mm"
					       : std::string(print.name)));
		inputs.push_back(millimetres("print_width", "Print width", print.width));
		inputs.push_back(millimetres("print_height", "Print height", print.height));
		inputs.push_back(input("viewing", "Viewing distance", "mm", distance,
				       lengthText(distance, settings.LengthUnit)));
		inputs.push_back(millimetres("eye_blur", "Eye blur at 25 cm", viewing.eyeBlur));
		circle = printCoC(frame.width, frame.height, viewing);
	} else {
		const double pixels = readCount("--pixels", *option(given, "--pixels"));
		const std::string *factorText = option(given, "--factor");
		const double factor = factorText ? readCount("--factor", *factorText) : kPixelFactor;
		inputs.push_back(input("pixels", "Pixels across", "", pixels, formatPlain(pixels)));
		inputs.push_back(input("factor", "Pixels spanned", "", factor, formatPlain(factor)));
		circle = pixelCoC(frame.width, pixels, factor);
	}
	return single("coc", std::move(inputs), { result("coc", "Circle of confusion", "mm", circle.coc) },
		      circle.unusable);
}

Report table(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	CircleOfConfusion c = circleOfConfusion(given, settings);
	const LengthUnit unit = settings.LengthUnit;
	const std::string *apertureList = option(given, "--apertures");
	const std::string *distanceList = option(given, "--distances");
	const std::vector<double> apertures =
		apertureList ? readList("--apertures", *apertureList, readAperture) : std::vector{ settings.Aperture };
	const std::vector<double> distances = distanceList
						      ? readList("--distances", *distanceList,
								 [unit](std::string_view name, std::string_view text) {
									 return readDistance(name, text, unit);
								 })
						      : std::vector{ settings.FocusDistance };

	std::vector<Field> inputs{ focalField(f) };
	inputs.insert(inputs.end(), c.fields.begin(), c.fields.end());
	Report report{ .command = "table", .inputs = std::move(inputs) };
	for (const double N : apertures) {
		const HyperfocalResult h = hyperfocalResult(f, N, c.mm, unit, settings.RoundOtherMethod);
		for (const double s : distances) {
			const DepthOfFieldResults r = depthOfFieldAt(f, N, c.mm, s, unit);
			report.rows.push_back(
				{ { apertureField("aperture", "Aperture", N), distanceField(s, unit) },
				  { result("near", "Near", "mm", r.near), result("far", "Far", "mm", r.far),
				    result("hyperfocal", "Hyperfocal", "mm", h.distance) } });
			keepFirstReason(report, r.unusable);
			keepFirstReason(report, h.unusable);
		}
	}
	return report;
}

double farthest(const Given &given, const CalcSettings &settings)
{
	const std::string *text = option(given, "--far");
	if (!text)
		throw UsageError("--far: a farthest distance is needed; use a length, or inf for infinity");
	return readDistance("--far", *text, settings.LengthUnit);
}

double nearest(const Given &given, const CalcSettings &settings)
{
	const std::string *text = option(given, "--near");
	if (!text)
		throw UsageError("--near: a nearest distance is needed; use a length");
	return readLength("--near", *text, settings.LengthUnit);
}

Field stopField(std::string key, std::string label, const std::optional<StopZone> &zone, std::string text)
{
	return input(std::move(key), std::move(label), "",
		     zone ? zone->aperture.fNumber : std::numeric_limits<double>::quiet_NaN(), std::move(text));
}

std::vector<Field> rangeFields(double near, double far, LengthUnit unit)
{
	return { input("near", "Nearest", "mm", near, lengthText(near, unit)),
		 input("far", "Farthest", "mm", far, lengthText(far, unit)) };
}

// The sharpest aperture's blur across --pixels of the frame (the camera
// database has no pixel counts).
std::optional<Field> blurPixelsField(const Given &given, const CalcSettings &settings, double blur,
				     std::vector<Field> &inputs)
{
	const std::string *text = option(given, "--pixels");
	if (!text)
		return std::nullopt;
	const double pixels = readCount("--pixels", *text);
	const double width = frameOf(given, settings).width;
	inputs.push_back(input("pixels", "Pixels across", "", pixels, formatPlain(pixels)));
	return input("sharpest_blur_pixels", "Blur in pixels", "",
		     blurInPixels(blur, width, pixels).value_or(std::numeric_limits<double>::quiet_NaN()),
		     blurPixelsText(blur, width, pixels));
}

Report plan(const Given &given, const CalcSettings &settings)
{
	const double f = focalLength(given, settings);
	const double near = nearest(given, settings);
	const double far = farthest(given, settings);
	CircleOfConfusion c = circleOfConfusion(given, settings);
	const FocusPlan p = planFocus({ f, c.mm, near, far });
	const FocusPlanTexts texts = focusPlanTexts(p, c.mm, settings.LengthUnit, settings.RoundOtherMethod);
	std::vector<Field> inputs{ focalField(f) };
	for (Field &field : rangeFields(near, far, settings.LengthUnit))
		inputs.push_back(std::move(field));
	inputs.insert(inputs.end(), c.fields.begin(), c.fields.end());
	std::vector<Field> results{ input("focus", "Focus at", "mm", p.focus, texts.focus),
				    input("f_number", "Smallest f-number", "", p.fNumber, texts.fNumber),
				    stopField("whole_stop", "Whole stop", p.wholeStop, texts.wholeStop),
				    stopField("third_stop", "Third stop", p.thirdStop, texts.thirdStop),
				    named("diffraction", "Diffraction",
					  texts.diffraction.empty() ? std::string(kNotAvailable) : texts.diffraction),
				    input("sharpest", "Sharpest at", "", p.sharpest.fNumber, texts.sharpest.fNumber),
				    input("sharpest_blur", "Blur there", "mm", p.sharpest.blur, texts.sharpest.blur),
				    input("sharpest_blur_to_coc", "That is", "", p.sharpest.blurToCoC,
					  texts.sharpest.blurToCoC) };
	if (std::optional<Field> pixels = blurPixelsField(given, settings, p.sharpest.blur, inputs))
		results.push_back(std::move(*pixels));
	return single("plan", std::move(inputs), std::move(results), p.unusable);
}

Field percentField(std::string key, std::string label, double fraction)
{
	return input(std::move(key), std::move(label), "percent", fraction * 100.0,
		     formatPlain(fraction * 100.0) + "%");
}

double overlap(const Given &given)
{
	const std::string *text = option(given, "--overlap");
	return text ? readPercent("--overlap", *text) / 100.0 : 0.0;
}

// A landscape stack: a row per shot, its number and of how many, where it
// is focused and the zone it keeps sharp; n/a in one row when there is no
// plan.
Report landscapeStack(const Given &given, const CalcSettings &settings)
{
	const LengthUnit unit = settings.LengthUnit;
	const double f = focalLength(given, settings);
	const double N = aperture(given, settings);
	const double near = nearest(given, settings);
	const double far = farthest(given, settings);
	CircleOfConfusion c = circleOfConfusion(given, settings);
	const LandscapeStack stack = planLandscapeStack({ f, N, c.mm, near, far, overlap(given) });
	const LandscapeStackTexts texts = landscapeStackTexts(stack, unit, settings.RoundOtherMethod);
	std::vector<Field> inputs{ focalField(f), apertureField("aperture", "Aperture", N) };
	for (Field &field : rangeFields(near, far, unit))
		inputs.push_back(std::move(field));
	inputs.insert(inputs.end(), c.fields.begin(), c.fields.end());
	inputs.push_back(percentField("overlap", "Overlap", overlap(given)));
	Report report{ .command = "stack", .inputs = std::move(inputs), .unusable = std::string(stack.unusable) };
	const int count = static_cast<int>(stack.shots.size());
	const auto length = [&](std::string key, std::string label, double mm, const std::string &text) {
		return input(std::move(key), std::move(label), "mm", mm, text);
	};
	for (int i = 0; i < count; ++i) {
		const StackShot &shot = stack.shots[static_cast<std::size_t>(i)];
		const StackShotTexts &shown = texts.shots[static_cast<std::size_t>(i)];
		Field number = index("shot", "Shot", i + 1);
		number.text += " of " + std::to_string(count);
		report.rows.push_back({ { std::move(number) },
					{ length("focus", "Focus at", shot.focus, shown.focus),
					  length("sharp_from", "Sharp from", shot.near, shown.near),
					  length("sharp_to", "Sharp to", shot.far, shown.far) } });
	}
	if (count == 0) {
		const double none = std::numeric_limits<double>::quiet_NaN();
		const std::string na(kNotAvailable);
		report.rows.push_back(
			{ {},
			  { named("shots", "Shots", na), length("focus", "Focus at", none, na),
			    length("sharp_from", "Sharp from", none, na), length("sharp_to", "Sharp to", none, na) } });
	}
	return report;
}

// A macro stack at the magnification given, or else at that of the lens
// at the focus distance.
Report macroStack(const Given &given, const CalcSettings &settings)
{
	std::vector<Field> inputs;
	double m = 0.0;
	if (const std::string *text = option(given, "--magnification")) {
		m = readCount("--magnification", *text);
	} else {
		const double f = focalLength(given, settings);
		const double s = focusDistance(given, settings);
		m = mirel::magnification(s, f);
		inputs = { focalField(f), distanceField(s, settings.LengthUnit) };
	}
	const std::string *depthText = option(given, "--depth");
	if (!depthText)
		throw UsageError("--depth: a macro stack needs the subject's depth; use a length");
	const double depth = readLength("--depth", *depthText, LengthUnit::Millimetres);
	const std::string *pupilText = option(given, "--pupil");
	const double pupil = pupilText ? readCount("--pupil", *pupilText) : 1.0;
	const double N = aperture(given, settings);
	CircleOfConfusion c = circleOfConfusion(given, settings);
	const MacroStack stack = planMacroStack({ m, N, c.mm, depth, pupil, overlap(given) });
	const MacroStackTexts texts = macroStackTexts(stack, c.mm, settings.RoundOtherMethod);
	inputs.insert(inputs.end(), { input("magnification", "Magnification", "", m, formatPlain(m)),
				      apertureField("aperture", "Aperture", N),
				      input("pupil", "Pupil magnification", "", pupil, formatPlain(pupil)) });
	inputs.insert(inputs.end(), c.fields.begin(), c.fields.end());
	inputs.push_back(millimetres("depth", "Subject depth", depth));
	inputs.push_back(percentField("overlap", "Overlap", overlap(given)));
	return single("stack", std::move(inputs),
		      { input("effective_aperture", "Effective aperture", "", stack.effectiveAperture,
			      texts.effectiveAperture),
			input("depth_per_shot", "Depth per shot", "mm", stack.depthPerShot, texts.depthPerShot),
			input("step", "Rail step", "mm", stack.step, texts.step),
			input("shots", "Shots", "",
			      stack.shots > 0 ? stack.shots : std::numeric_limits<double>::quiet_NaN(), texts.count),
			input("diffraction_blur", "Diffraction blur", "mm", stack.diffractionBlur,
			      stack.unusable.empty() ? formatFixed(stack.diffractionBlur, 4) + " mm"
						     : std::string(kNotAvailable)),
			named("diffraction", "Diffraction",
			      texts.diffraction.empty() ? std::string(kNotAvailable) : texts.diffraction) },
		      stack.unusable);
}

// A macro stack when a magnification or a subject depth is given, which
// only it takes; otherwise a landscape stack.
Report stack(const Given &given, const CalcSettings &settings)
{
	const bool macro = option(given, "--magnification") || option(given, "--depth");
	if (macro) {
		for (const char *landscapeOnly : { "--near", "--far" }) {
			if (option(given, landscapeOnly))
				throw UsageError(
					std::string(landscapeOnly) +
					" is for a landscape stack; a macro stack takes --magnification and --depth");
		}
		return macroStack(given, settings);
	}
	if (option(given, "--pupil") || option(given, "--distance"))
		throw UsageError("--pupil and --distance are for a macro stack, with --depth");
	return landscapeStack(given, settings);
}

Report diffraction(const Given &given, const CalcSettings &settings)
{
	const double N = aperture(given, settings);
	CircleOfConfusion c = circleOfConfusion(given, settings);
	std::vector<Field> inputs{ apertureField("aperture", "Aperture", N) };
	inputs.insert(inputs.end(), c.fields.begin(), c.fields.end());
	const double airy = airyDiskDiameter(N), limit = diffractionLimitedAperture(c.mm);
	std::string_view unusable = diffractionUnusable(N, c.mm);
	if (unusable.empty() && !(std::isfinite(airy) && std::isfinite(limit)))
		unusable = kNoFiniteResult;
	if (!unusable.empty()) {
		const Result none{ std::numeric_limits<double>::quiet_NaN(), std::string(kNotAvailable) };
		return single("diffraction", std::move(inputs),
			      { result("airy_disk", "Airy disk", "mm", none), result("limit", "Sharpest to", "", none),
				named("diffraction", "Diffraction", std::string(kNotAvailable)) },
			      unusable);
	}
	return single("diffraction", std::move(inputs),
		      { input("airy_disk", "Airy disk", "mm", airy, formatFixed(airy, 4) + " mm"),
			input("limit", "Sharpest to", "", limit, "f/" + formatFixed(limit, 1)),
			named("diffraction", "Diffraction", diffractionText(N, c.mm)) },
		      {});
}

} // namespace

const std::vector<Command> &commands()
{
	static const std::vector<Command> kCommands{
		{ "stops",
		  "Stops from the f-number F1 to F2",
		  "mirel-calc stops 2.8 5.6 --stops-round third",
		  {},
		  { "F1", "F2" },
		  stops },
		{ "fnumber",
		  "The f-number STOPS stops from F1 (STOPS may be negative or fractional)",
		  "mirel-calc fnumber 2.8 1.5",
		  {},
		  { "F1", "STOPS" },
		  fNumber },
		{ "dof",
		  "Near and far limits of acceptable sharpness, and the depth between them",
		  "mirel-calc dof --focal 50 --aperture 2.8 --distance 2m",
		  { "--focal", "--aperture", "--distance", "--coc", "--format" },
		  {},
		  depthOfField },
		{ "hyperfocal",
		  "The hyperfocal distance",
		  "mirel-calc hyperfocal --focal 24 --aperture 8 --format 35mm",
		  { "--focal", "--aperture", "--coc", "--format" },
		  {},
		  hyperfocal },
		{ "fov",
		  "Width and height of the subject area the frame covers",
		  "mirel-calc fov --focal 85 --distance 3m --format 6x7",
		  { "--focal", "--distance", "--format" },
		  {},
		  fieldOfView },
		{ "aov",
		  "Horizontal, vertical and diagonal angle of view, focused at infinity",
		  "mirel-calc aov --focal 18 --format APS",
		  { "--focal", "--format" },
		  {},
		  angleOfView },
		{ "mag",
		  "Magnification of a subject at the focus distance",
		  "mirel-calc mag --focal 100 --distance 30cm",
		  { "--focal", "--distance" },
		  {},
		  magnification },
		{ "spot",
		  "Angle covered by a spot meter's spot given as a percentage of the frame",
		  "mirel-calc spot --focal 200 --percent 3.5",
		  { "--focal", "--percent", "--format" },
		  {},
		  spotMeter },
		{ "formats",
		  "The ten film formats in use: index, name, size and suggested circle of confusion",
		  "mirel-calc formats",
		  {},
		  {},
		  filmFormats },
		{ "cameras",
		  "The cameras whose maker and model match TEXT (all without it), best first: crop factor, frame and "
		  "classic circle of confusion",
		  "mirel-calc cameras 7d",
		  {},
		  { "[TEXT]" },
		  cameras },
		{ "coc",
		  "The circle of confusion of the frame by a rule of its diagonal, from a print and how it is seen, or "
		  "from the pixels across it",
		  "mirel-calc coc --format 35mm --print 8x10in",
		  { "--format", "--rule", "--print", "--viewing", "--eye-blur", "--pixels", "--factor" },
		  {},
		  coc },
		{ "table",
		  "Near and far limits for every aperture and distance, with each aperture's hyperfocal distance",
		  "mirel-calc table --focal 35 --apertures 4,8,16 --distances 1m,3m,10m --output csv",
		  { "--focal", "--coc", "--format", "--apertures", "--distances" },
		  {},
		  table },
		{ "plan",
		  "Focus distance and the smallest f-number that keep NEAR to FAR sharp, with the next whole and third "
		  "stops and what diffraction does at them",
		  "mirel-calc plan --focal 24 --format APS --near 1.5m --far inf",
		  { "--focal", "--near", "--far", "--coc", "--format", "--pixels" },
		  {},
		  plan },
		{ "stack",
		  "A focus stack. Landscape: the fewest focus distances whose zones cover NEAR to FAR, each shot's "
		  "focus and zone. Macro (with --depth): the effective aperture, depth per shot, rail step and shots",
		  "mirel-calc stack --magnification 1 --aperture 16 --coc 0.03 --depth 10mm --overlap 20",
		  { "--focal", "--aperture", "--near", "--far", "--overlap", "--coc", "--format", "--magnification",
		    "--distance", "--pupil", "--depth" },
		  {},
		  stack },
		{ "diffraction",
		  "The Airy disk at an aperture against the circle of confusion, and the f-number diffraction allows",
		  "mirel-calc diffraction --aperture 22 --format 35mm",
		  { "--aperture", "--coc", "--format" },
		  {},
		  diffraction },
	};
	return kCommands;
}

OptionHelp optionHelp(std::string_view option)
{
	struct Row {
		std::string_view option;
		OptionHelp help;
	};
	static constexpr Row kRows[] = {
		{ "F1", { "", "The first f-number: 8, f/8, f8 or F8" } },
		{ "F2", { "", "The second f-number" } },
		{ "STOPS", { "", "Stops from F1: 1 is one stop smaller, -0.5 half a stop larger" } },
		{ "--focal", { "LENGTH", "Focal length; millimetres unless a unit follows (50, 5cm)" } },
		{ "--aperture", { "F", "f-number: 8, f/8, f8 or F8" } },
		{ "--distance",
		  { "LENGTH",
		    "Focus distance; in the display unit unless a unit follows (5m, 16.4ft, 6ft6in, \"5 m\"); dof also takes inf" } },
		{ "--coc", { "LENGTH", "Circle of confusion; millimetres unless a unit follows" } },
		{ "--format", { "FORMAT", "Film format: index 0 to 9 or name (35mm, \"6 \xC3\x97 7\" or 6x7)" } },
		{ "--camera",
		  { "TEXT", "A camera's frame instead of --format, by maker and model (\"Canon EOS 7D\", z6); excludes "
			    "--format and --coc; 'mirel-calc cameras' lists the cameras" } },
		{ "TEXT", { "", "Maker and model, or part of them: 7d, \"nikon z\", x-t3" } },
		{ "--rule",
		  { "RULE", "The frame's diagonal over 1730 (as the pages suggest), 1500 or 1440", "1730 1500 1440" } },
		{ "--print",
		  { "SIZE", "Print size: A4, A3, 8x10in, 30x40cm, or width x height with a unit",
		    "A4 A3 8x10in 30x40cm" } },
		{ "--viewing",
		  { "LENGTH", "Distance the print is seen from (default: its diagonal); the display unit unless a unit "
			      "follows" } },
		{ "--eye-blur", { "LENGTH", "Blur the eye accepts on a print seen from 25 cm (default 0.2 mm)" } },
		{ "--pixels", { "N", "Pixels across the frame" } },
		{ "--factor", { "K", "Pixels the circle spans (default 2)" } },
		{ "--percent", { "PERCENT", "Spot size, percent of the frame area" } },
		{ "--apertures", { "LIST", "f-numbers, comma-separated" } },
		{ "--near",
		  { "LENGTH", "Nearest distance that must be sharp; the display unit unless a unit follows" } },
		{ "--far", { "LENGTH", "Farthest distance that must be sharp, or inf for infinity", "inf" } },
		{ "--overlap",
		  { "PERCENT", "stack: how far each shot's zone reaches into the one before, in percent of its depth "
			       "(default 0)" } },
		{ "--magnification",
		  { "M", "stack: magnification for a macro stack (1 for life size); without it, that of --focal at "
			 "--distance" } },
		{ "--pupil", { "P", "stack: the lens's pupil magnification, exit over entrance pupil (default 1)" } },
		{ "--depth",
		  { "LENGTH", "stack: the subject's depth for a macro stack; millimetres unless a unit follows" } },
		{ "--distances",
		  { "LIST",
		    "Focus distances, comma-separated; the display unit unless a unit follows; inf for infinity" } },
	};
	for (const Row &row : kRows) {
		if (row.option == option)
			return row.help;
	}
	return {};
}

} // namespace mirel::cli
