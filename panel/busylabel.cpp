#include "busylabel.h"

#include <QMovie>

BusyLabel::BusyLabel(QWidget* parent) : QLabel(parent)
{
    hide();
}

BusyLabel::~BusyLabel()
{
    delete movie;
}

void BusyLabel::setBusy(bool busy)
{
    if (busy) {
        if (!movie)
            movie = new QMovie(QStringLiteral(":/images/images/45.gif"));
        movie->start();
        setMovie(movie);
        setVisible(true);
    } else {
        if (movie)
            movie->stop();
        hide();
    }
}
