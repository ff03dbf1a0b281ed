// A translation that writes every text it is asked for in brackets ("Close" becomes
// "[Close]"): a text shown without brackets did not go through the translation, and a text
// built from several shows each part's brackets.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

class BracketingTranslator : public QTranslator {
  public:
    BracketingTranslator() { QCoreApplication::installTranslator(this); }
    ~BracketingTranslator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override {
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
    bool isEmpty() const override { return false; }
};
