#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mirel {

// A camera body of the camera database. Texts are Windows-1252; lengths
// millimetres.

// A frame's width to its height ("3:2").
struct AspectRatio {
	int across;
	int up;
};

// A camera's aspect ratio: the one its name states (lensfun tells some
// compacts' modes apart so: "Panasonic DMC-LX3 (16:9)", "Canon PowerShot
// G5 X (16:9)"), 4:3 on the Four Thirds and Micro Four Thirds mounts, 3:2 on
// every other.
AspectRatio aspectRatio(std::string_view mount, std::string_view fullName);

struct CameraFrame {
	double width;
	double height;
	double diagonal;
};

// The frame of a crop factor: its diagonal exactly that of 36 × 24 mm
// (43.267 mm) over the crop factor, its sides in the aspect ratio.
CameraFrame cameraFrame(double cropFactor, AspectRatio ratio);

// Whether a crop factor from the database can be a camera's: a finite number
// above 0 and at most 20 (a 2.2 mm diagonal; the database's smallest sensors
// have crop factors below 9).
bool usableCropFactor(double cropFactor);

// The names the database has for a camera: those shown (the English ones
// when it has them) and the others, such as the names the body writes into
// its pictures ("Nikon Corporation", "Nikon Z 6").
struct CameraNames {
	std::string maker;
	std::string model;
	std::string variant; // what tells bodies of one name apart; mostly empty
	std::vector<std::string> otherMakerNames;
	std::vector<std::string> otherModelNames;
};

struct Camera {
	CameraNames names;
	std::string mount;       // "Micro 4/3 System"
	double cropFactor = 0.0; // the 36 × 24 mm diagonal over this frame's
	CameraFrame frame{};
	std::string fullName;  // maker and model: "Olympus E-M1MarkII"
	std::string shortName; // the film table's name: "Olympus E-M1 II"
};

// A camera of those names, mount and crop factor, its frame and names worked
// out.
Camera makeCamera(CameraNames names, std::string mount, double cropFactor);

} // namespace mirel
