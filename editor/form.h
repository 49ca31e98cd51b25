// The editor window's form: its drawing, and what a left click on its controls does.
#pragma once

namespace nubo {

// Background, buttons, fields, stripe, boxes, labels, arrows, choices, phone line, icons, day
// count and dates, in their fixed order.
void disegnamodulo();
// A left click past the click guard: cursor placement, arrows, choices, cancel, boxes, confirm,
// icons, then the field under the pointer becomes the active one.
void clickmodulo();
// The five description lines, the cursor and the text popup.
void disegnatesto();

}  // namespace nubo
