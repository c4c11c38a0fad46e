// The 16-pixel pictures of the client tree and the pane's tool bar, drawn in code.
#pragma once

#include <QIcon>

namespace zelk {

QIcon RootIcon();
QIcon MaleIcon();
QIcon FemaleIcon();
// Tool-bar button pictures by command number.
QIcon ToolIcon(int command);

} // namespace zelk
