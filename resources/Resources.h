// The main window's pictures, embedded under the resource prefix ":/main/".
#pragma once

// Registers the pictures with Qt's resource system. Linking crescendar_resources already
// does so at start-up; calling this as well (once or more) is harmless, and keeps the
// pictures when a linker would otherwise drop the unreferenced resource object.
void InitCrescendarResources();
