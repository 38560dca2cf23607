#pragma once

// The program's own settings, kept by the window system's settings store
// under the program's key, outside the scene files (which stay as they are).

// "Display the sun's path" of the page "Sun" of "View parameters".
bool CourseSoleilAffichee();
void AfficherCourseSoleil(bool bAfficher);
