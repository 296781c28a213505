#include "dialogs/startup_prefs_dlg.h"

#include <cstdint>

#include "dialogs/pick_list.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "settings/model/records.h"

namespace mirel {

namespace id = ids::startupprefs;

StartupPrefsDlg::StartupPrefsDlg()
	: TemplateDialog(resources::startupPrefsTemplate(), ids::help::StartupPreferences),
	  fieldsBecomeDefaults_(startupPrefs().FieldsBecomeDefaults),
	  startWithLastForm_(startupPrefs().StartWithLastForm)
{
}

void StartupPrefsDlg::show()
{
	controls().setCheck(id::FieldsBecomeDefaults, fieldsBecomeDefaults_);
	controls().setCheck(id::StartWithLastForm, startWithLastForm_);
	// StartupForm -1 (no page yet) selects none.
	showPickList(controls(), id::StartPage, 7, startupPrefs().StartupForm);
}

void StartupPrefsDlg::accept()
{
	StartupPrefs &prefs = startupPrefs();
	prefs.StartupForm = static_cast<std::int8_t>(controls().selection(id::StartPage));
	prefs.FieldsBecomeDefaults = controls().isChecked(id::FieldsBecomeDefaults);
	prefs.StartWithLastForm = controls().isChecked(id::StartWithLastForm);
}

} // namespace mirel
