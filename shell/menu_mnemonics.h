#pragma once

class QMenuBar;

namespace mirel {

// The mnemonics of bar's menus as Windows menus treat them. A letter opens
// the first menu that has it, also one that several menus share ("S&how"
// and "&Help"), every time. While a menu is open, the letter pressed again
// with Alt, or alone when no item of the open menu has it, opens the next
// menu with that letter, after the last the first again. Alt pressed and
// released alone closes the open menu. Call once the menus are in the bar.
void followMenuMnemonics(QMenuBar &bar);

} // namespace mirel
