#include "Resources.h"

#include <QtCore/qglobal.h>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initMainArt() {
    Q_INIT_RESOURCE(crescendar_main_art);
}

void InitCrescendarResources() {
    initMainArt();
}
