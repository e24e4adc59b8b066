#pragma once

// Names the application and sets the Czech locale whose decimal comma every number text uses,
// whatever the host's language. Called once, right after the QApplication is created.
void setUpApplication();
