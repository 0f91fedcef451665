// The kinds of control, each made as the desktop's own control or, for a picture, a window
// class of this front end.
#pragma once

#include "platform/win32/child_control.h"

#include <memory>

namespace platform::win32 {

std::unique_ptr<ChildControl> makeImage(FormWindow& window, Control& control,
                                        const ControlDesign& design);
std::unique_ptr<ChildControl> makeLabel(FormWindow& window, Control& control,
                                        const ControlDesign& design);
std::unique_ptr<ChildControl> makeTextBox(FormWindow& window, Control& control,
                                          const ControlDesign& design);
std::unique_ptr<ChildControl> makeCheckBox(FormWindow& window, Control& control,
                                           const ControlDesign& design);
std::unique_ptr<ChildControl> makeScrollBar(FormWindow& window, Control& control,
                                            const ControlDesign& design);
std::unique_ptr<ChildControl> makeCommandButton(FormWindow& window, Control& control,
                                                const ControlDesign& design);

} // namespace platform::win32
