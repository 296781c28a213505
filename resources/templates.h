#pragma once

#include "ui/dialog_template.h"

// Mirel's windows as data: every control with its id, kind, style, text,
// place and size in dialog units, in tab order.

namespace mirel::resources {

// Calculator pages; the caption is the tab title.
const ui::DialogTemplate &fNumbersTemplate();      // 129
const ui::DialogTemplate &depthOfFieldTemplate();  // 131
const ui::DialogTemplate &hyperfocalTemplate();    // 142
const ui::DialogTemplate &fieldOfViewTemplate();   // 133
const ui::DialogTemplate &angleOfViewTemplate();   // 138
const ui::DialogTemplate &magnificationTemplate(); // 144
const ui::DialogTemplate &spotMeterTemplate();     // 145

// The main window, whose frame marks where the pages go.
const ui::DialogTemplate &mainWindowTemplate(); // 102

// Settings dialogs, About box and light table.
const ui::DialogTemplate &roundingRulesTemplate();   // 134
const ui::DialogTemplate &defaultsTemplate();        // 136
const ui::DialogTemplate &startupPrefsTemplate();    // 139
const ui::DialogTemplate &aboutTemplate();           // 100
const ui::DialogTemplate &lightTableIntroTemplate(); // 147
const ui::DialogTemplate &lightTableTemplate();      // 148

} // namespace mirel::resources
