#pragma once

class QWidget;

// Gives the command items of the window's menus and context menus their pictures from the
// menu image list (the same picture for a command wherever it shows).
void SetMenuImages(QWidget& window);
