#include "report/saveprint.h"

void SaveReport(QTextEdit*, QWidget*) {}
void PrintReport(QTextEdit*, QWidget*) {}
