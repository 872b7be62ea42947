#pragma once

class QLineEdit;

// Gives a message field its radio/chat pop-up menu ("Popup<row>"), opened by a right click.
void AttachQuickFillMenu(QLineEdit* field, int row);
