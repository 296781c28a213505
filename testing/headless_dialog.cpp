#include "testing/headless_dialog.h"

namespace mirel::testing {

HeadlessDialog::HeadlessDialog(DialogModel &model, DialogHost &host)
	: run_(model, host, [this](bool accepted) { result_ = accepted; }), controls_(model.dialogTemplate(), run_)
{
	run_.open(controls_);
}

} // namespace mirel::testing
