#include "dialogs/rounding_rules_dlg.h"

#include "dialogs/pick_list.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/records.h"

namespace mirel {

namespace id = ids::roundingrules;

RoundingRulesDlg::RoundingRulesDlg() : TemplateDialog(resources::roundingRulesTemplate(), ids::help::RoundingRules) {}

void RoundingRulesDlg::show()
{
	const CalcSettings &settings = currentSettings();
	showPickList(controls(), id::Stops, 3, settings.RoundStopsMethod);
	showPickList(controls(), id::Other, 4, settings.RoundOtherMethod);
}

void RoundingRulesDlg::accept()
{
	// A list without a selection stores -1, which rounds nothing.
	CalcSettings &settings = currentSettings();
	settings.RoundStopsMethod = controls().selection(id::Stops);
	settings.RoundOtherMethod = controls().selection(id::Other);
}

} // namespace mirel
