#pragma once
// The level dialog: the level label of a standard data file.
#include <QDialog>

class Tidentify_std_level : public QDialog {
public:
    Tidentify_std_level();
};

extern Tidentify_std_level* identify_std_level;
