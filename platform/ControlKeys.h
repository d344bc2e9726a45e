// The key and mouse conventions of every window's controls (Accessible.h
// describes them), installed with its accessible interfaces.
#pragma once

class QObject;

// Installs them on the application `app`, once.
void InstallKeyConventions(QObject* app);
