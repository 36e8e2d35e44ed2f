#pragma once

#include <QString>

class QWidget;

// The program's help: pages of our own in the "help" folder beside the help file,
// one per topic number ("topic-2.html"); topic 0 is the contents. F1 in a window
// opens the topic of the nearest widget that carries a "HelpContextID" property.
namespace Help {
void SetHelpFile(const QString& path);
QString HelpFile();

// Installs the F1 handling for the whole application (once).
void InstallF1Handler();

// Shows the help window at a topic; an unknown topic shows the contents.
void ShowTopic(int topic);
// Sends F1 to a window: opens its topic.
void SendF1(QWidget* widget);
// The topic the help window shows now, or -1 when it is not open.
int ShownTopic();

// The topic of a widget: its own "HelpContextID" or that of its nearest parent, else 0.
int TopicOf(const QWidget* widget);
} // namespace Help
