#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>

#include "platform/QtMedia.h"

namespace {
// A generator started from the machine's entropy: two runs, or two starts within one
// millisecond, never share a sequence.
void seedFromEntropy(std::mt19937& rng) {
    std::random_device entropy;
    std::seed_seq seeds{entropy(), entropy(), entropy(), entropy(),
                        entropy(), entropy(), entropy(), entropy()};
    rng.seed(seeds);
}
}  // namespace

QtPlatform::QtPlatform(Options options) : options_(std::move(options)) {
    if (options_.seed)
        rng_.seed(*options_.seed);
    else
        seedFromEntropy(rng_);
    std::unique_ptr<MediaBackendFactory> factory;
    if (options_.audio)
        factory = std::make_unique<QtMediaFactory>();
    else
        factory = std::make_unique<SilentMediaFactory>(true);
    media_ = std::make_unique<MediaCommandInterpreter>(std::move(factory));
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::msgBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, options_.windowTitle, text, QMessageBox::Ok,
                    parentWidget());
    box.exec();
}

bool QtPlatform::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, options_.windowTitle, text,
                    QMessageBox::Yes | QMessageBox::No, parentWidget());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPlatform::inputBox(const QString& prompt, const QString& defaultAnswer) {
    bool ok = false;
    QString answer = QInputDialog::getText(parentWidget(), options_.windowTitle, prompt,
                                           QLineEdit::Normal, defaultAnswer, &ok);
    if (!ok) return std::nullopt;
    return answer;
}

double QtPlatform::rnd() {
    // 24 random bits, like a single-precision draw: uniform in [0, 1), never 1.
    return static_cast<double>(rng_() >> 8) / 16777216.0;
}

void QtPlatform::randomize() {
    // The generator was started once, from entropy or from the fixed seed; starting it again
    // (from the clock, as the game's rules ask before many draws) would repeat draws made within
    // one millisecond, so the sequence simply goes on.
}

void QtPlatform::pause(int milliseconds) {
    if (milliseconds <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    // Painting and timers go on; clicks and keys wait until the pause is over.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::doEvents() {
    QCoreApplication::processEvents();
}

QString QtPlatform::appDir() {
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::mciSendString(const QString& command) {
    return media_->send(command);
}

void QtPlatform::endProgram(int status) {
    media_.reset();
    std::exit(status);
}
