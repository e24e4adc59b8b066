#pragma once

class TForm1;

// The tools menu's generators of the two influence lines; each opens its dialog, and OK writes the
// tab's table as one change.
void addGeneratorActions(TForm1 &form);
