#include "ui/text_contexts.h"

#include <algorithm>

namespace mirel::ui {

namespace {

std::string withoutAmpersands(std::string_view text)
{
	std::string plain(text);
	std::erase(plain, '&');
	return plain;
}

} // namespace

std::string templateContext(const DialogTemplate &dialog)
{
	return dialog.caption.empty() ? "Window " + std::to_string(dialog.id) : withoutAmpersands(dialog.caption);
}

std::string menuContext(std::string_view title)
{
	return "Menu " + withoutAmpersands(title);
}

} // namespace mirel::ui
