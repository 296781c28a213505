#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "pages/page.h"
#include "settings/model/records.h"
#include "settings/model/settings_change.h"

namespace mirel {

// The pages that compute from the shared fields of currentSettings. The
// behaviour of the shared controls lives here once: focal length, subject
// distance with its guard, aperture box, circle of confusion, film-format
// list and unit radios. Each page picks the rows it has from the tables
// below and adds its own.
class CalculatorPage : public Page
{
protected:
	CalculatorPage(const ui::DialogTemplate &dialog, std::initializer_list<std::vector<Binding>> bindings);

	// Rows of the handler table, by shared control.
	static std::vector<Binding> focalLengthBindings();
	static std::vector<Binding> distanceBindings();
	static std::vector<Binding> apertureBindings();
	// The circle-of-confusion field with the film list that suggests it.
	static std::vector<Binding> circleOfConfusionBindings();
	// A film list whose choice recomputes the page directly.
	static std::vector<Binding> filmFormatBindings();
	static std::vector<Binding> unitBindings();

	// Aperture list 4 times, film list 8 times its closed height; the film
	// list filled from currentSettings, and filled anew whenever the names
	// of the film table or their cameras change.
	void prepareControls() override;

	// Writes into the input fields. The edit boxes notify on every write, so
	// showing focal length or circle of confusion also stores the value of
	// the text shown and recomputes.
	void showFocalLength();
	void showAperture();
	void showCircleOfConfusion();
	void showFilmSelection();
	void showUnit();
	// Writes FocusDistance in the page's unit without storing it back.
	void showDistance();

	void onFocalLengthChanged(int id);
	void onDistanceChanged(int id);
	void onApertureEdited(int id);
	void onAperturePicked(int id);
	void onCircleOfConfusionChanged(int id);
	// Chooses the format and writes its suggested circle of confusion, whose
	// field then recomputes the page.
	void onFilmFormatSuggested(int id);
	// Chooses the format and recomputes.
	void onFilmFormatChanged(int id);
	void onUnitClicked(int id);

private:
	bool has(int controlId) const;
	void fillFilmList();

	// The names and cameras the film list was filled with.
	std::array<FilmName, kFilmFormatCount> listedNames_{};
	std::array<std::string, kFilmFormatCount> listedCameras_{};
	std::optional<SettingsSubscription> followingFilmNames_;

	// Set just before the page writes the distance itself, so that its
	// change notice does not store the rounded text back.
	bool ownDistanceWrite_ = false;
};

} // namespace mirel
