#pragma once

#include "report/projectoutput.h"

#include <array>

class TForm1;

// The six pictures of the project, each marked for output while its input is checked and unchanged.
std::array<tragvel::ProjectPicture, 6> projectPictures(const TForm1 &form);
