#pragma once

#include <QIcon>
#include <QPixmap>

// The program's 32 × 32 icon of 16 colours, shared by the main window and the about box.
QPixmap ProgramPixmap();
QIcon ProgramIcon();
