#include "app/ProgramIcon.h"

// The image is an XPM: C source that Qt reads natively, so it needs no resource file.
#include "resources/pelvaro.xpm"

QPixmap ProgramPixmap()
{
    return QPixmap(pelvaro_xpm);
}

QIcon ProgramIcon()
{
    return QIcon(ProgramPixmap());
}
