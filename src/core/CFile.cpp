#include "core/CFile.h"

QString CFile::GetFileNameForSave() { return QString(); }

QString CFile::BrowseForFile(int /*intType*/) { return QString(); }

QString CFile::GetFileName(const QString& s) { return s; }

QString CFile::GetPath(const QString& s) { return s; }

QString CFile::FilterForKind(int /*intType*/) { return QString(); }

void CFile::takeChoice(const QString& chosen) { pathAndFilename_ = chosen; }
