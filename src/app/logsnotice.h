#ifndef LOGSNOTICE_H
#define LOGSNOTICE_H

class QWidget;

// The bootable environment keeps the logs on a RAM disk when its medium cannot be written, and
// says so through KESTROVA_LOGS_IN_MEMORY; the user is told once the main window is up, in the
// language chosen by then.
bool logs_Kept_In_Memory();
void show_Logs_In_Memory_Notice(QWidget* parent);

#endif // LOGSNOTICE_H
