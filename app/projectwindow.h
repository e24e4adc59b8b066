#pragma once

#include "report/projectfile.h"

class TForm1;

// Everything the user entered in the window, as a project file holds it.
tragvel::project::ProjectData windowProject(const TForm1 &form);

// Puts a project into the window. The flags become 1 and the check marks "X", as after any change
// of the inputs; the result labels and pictures are those of a fresh start until the checks and
// computations run again.
void showProject(TForm1 &form, const tragvel::project::ProjectData &project);
