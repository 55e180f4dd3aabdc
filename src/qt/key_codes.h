#pragma once
// Qt's key numbers as the Windows virtual-key codes the program's key handlers compare with.
namespace lumivel {

// qtKey is a Qt::Key; keypad tells a key of the numeric keypad. Letters give 65-90 whatever their
// case, digits 48-57; symbols follow the US layout, shifted or not, so Shift+1 is still 49. 0 for a
// key Windows has no code for.
int WindowsKeyCode(int qtKey, bool keypad);

}  // namespace lumivel
