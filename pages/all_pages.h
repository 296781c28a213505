#pragma once

#include <memory>
#include <vector>

#include "pages/page.h"

namespace mirel {

// The seven calculator pages in PageIndex order. Construct them after the
// settings are loaded: the f Numbers page takes its f-numbers from them.
std::vector<std::unique_ptr<Page>> createPages();

} // namespace mirel
