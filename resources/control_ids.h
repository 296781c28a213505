#pragma once

// Control ids of Mirel's windows, as the templates and models share them.

namespace mirel::ids {

// Controls shared by the calculator pages.
namespace page {
inline constexpr int FocalLength = 1009;
inline constexpr int Distance = 1010;
inline constexpr int CircleOfConfusion = 1012;
inline constexpr int Aperture = 1039;
inline constexpr int FilmFormat = 1019;
inline constexpr int UnitMetres = 1013;
inline constexpr int UnitCentimetres = 1020;
inline constexpr int UnitMillimetres = 1023;
inline constexpr int UnitFeet = 1015;
inline constexpr int UnitInches = 1021;
} // namespace page

namespace fnumbers {
inline constexpr int F1 = 1001;
inline constexpr int F2 = 1003;
inline constexpr int Stops = 1004;
inline constexpr int ModeF2 = 1005;    // compute f2 from f1 and stops
inline constexpr int ModeStops = 1006; // compute stops from f1 and f2
} // namespace fnumbers

namespace depthoffield {
inline constexpr int Near = 1016;
inline constexpr int Far = 1017;
inline constexpr int Total = 1018;
} // namespace depthoffield

namespace hyperfocal {
inline constexpr int Result = 1022;
} // namespace hyperfocal

namespace fieldofview {
inline constexpr int Vertical = 1024;
inline constexpr int Horizontal = 1025;
} // namespace fieldofview

namespace angleofview {
inline constexpr int Diagonal = 1026;
inline constexpr int Vertical = 1027;
inline constexpr int Horizontal = 1028;
} // namespace angleofview

namespace magnification {
inline constexpr int Result = 1036;
} // namespace magnification

namespace spotmeter {
inline constexpr int Percent = 1037;
inline constexpr int Result = 1038;
} // namespace spotmeter

namespace mainwindow {
inline constexpr int SheetFrame = 1001;
} // namespace mainwindow

namespace roundingrules {
inline constexpr int Stops = 1005;
inline constexpr int Other = 1006;
} // namespace roundingrules

namespace defaults {
inline constexpr int FilmSize = 1008;
inline constexpr int FocalLength = 1009;
inline constexpr int Aperture = 1010;
inline constexpr int FocusDistance = 1011;
inline constexpr int SpotPercent = 1013;
inline constexpr int LengthUnit = 1043;
} // namespace defaults

namespace startupprefs {
inline constexpr int FieldsBecomeDefaults = 1015;
inline constexpr int StartWithLastForm = 1016;
inline constexpr int StartPage = 1017;
} // namespace startupprefs

namespace about {
inline constexpr int Link = 1029;
inline constexpr int License = 1040;
inline constexpr int LightTable = 1041;
} // namespace about

namespace lighttable {
inline constexpr int Label = 1042;
} // namespace lighttable

// Menu commands of the main window.
namespace command {
inline constexpr int Exit = 32771;
inline constexpr int About = 32772;
inline constexpr int Contents = 32774;
inline constexpr int RoundingRules = 32776;
inline constexpr int Defaults = 32777;
inline constexpr int StartupPreferences = 32778;
inline constexpr int Context = 32779;
inline constexpr int ShowFirstPage = 32780; // ShowFirstPage + PageIndex, up to 32786
inline constexpr int DepthOfFieldTable = 32787;
inline constexpr int CopyPageResults = 32788;
inline constexpr int FocusPlanner = 32789;
inline constexpr int FilmFormats = 32790;
inline constexpr int Camera = 32791;
inline constexpr int CircleOfConfusion = 32792;
inline constexpr int FocusStack = 32793;
} // namespace command

// Help topics by context number.
namespace help {
inline constexpr int License = 101;
inline constexpr int AngleOfView = 102;
inline constexpr int DepthOfField = 103;
inline constexpr int FNumbers = 104;
inline constexpr int FieldOfView = 105;
inline constexpr int Hyperfocal = 106;
inline constexpr int SpotMeter = 107;
inline constexpr int Magnification = 108;
inline constexpr int RoundingRules = 109;
inline constexpr int Defaults = 110;
inline constexpr int StartupPreferences = 111;
inline constexpr int DepthOfFieldTable = 112;
inline constexpr int FilmFormats = 113;
inline constexpr int FocusPlanner = 114;
inline constexpr int CameraChooser = 115;
inline constexpr int CircleOfConfusion = 116;
inline constexpr int FocusStackLandscape = 117;
inline constexpr int FocusStackMacro = 118;
} // namespace help

} // namespace mirel::ids
