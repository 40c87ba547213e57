#pragma once
// Every text the views and the diagnosis window put into panel captions: the diagnosis window
// shows them translated, while the panel itself keeps the Chinese that the views compare and that
// commtest-decode prints.
#include <QStringList>

QStringList panelTexts();
