#include "ui/main_window/SubmitEventSink.h"

CSubmitEventSink::CSubmitEventSink(QObject* parent) : QObject(parent) {}

void CSubmitEventSink::invoke()
{
    emit formSubmitted();
}
