#include "platform/SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace zeto {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::play(const QString& file) {
    if (!QFileInfo(file).isFile()) return;
    if (!effect_) effect_ = new QSoundEffect(this);
    effect_->stop();
    const QUrl source = QUrl::fromLocalFile(file);
    if (effect_->source() != source) effect_->setSource(source);
    effect_->play();
}

}  // namespace zeto
