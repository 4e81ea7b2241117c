#include "wmfrenderer.h"
#include "childprocess.h"
#include "picturelimits.h"
#include "pixelmessage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <mutex>

namespace {
const QString kHelperName = QStringLiteral("zqj_wmf");

struct ReplacedHelper {
    std::mutex lock;
    QString path;
};

ReplacedHelper& replacedHelper() {
    static ReplacedHelper helper;
    return helper;
}

QString helperPath() {
    {
        ReplacedHelper& replaced = replacedHelper();
        const std::lock_guard guard(replaced.lock);
        if (!replaced.path.isEmpty()) return replaced.path;
    }
    if (QCoreApplication::instance()) {
        const QFileInfo beside(QCoreApplication::applicationDirPath() + u'/' + kHelperName);
        if (beside.isExecutable()) return beside.filePath();
    }
    return QStringLiteral(ZQJ_WMF_HELPER);
}
} // namespace

namespace WmfRenderer {

DecodedPicture render(const QByteArray& bytes) {
    const ChildRun run =
        runChildProcess(helperPath(), bytes, PictureLimits::timeLimit(), PixelMessage::kMaxSize);
    switch (run.outcome) {
    case ChildRun::Outcome::Succeeded:
        return {PixelMessage::read(run.output)};
    case ChildRun::Outcome::NotStarted:
        return {{}, DecodeFailure::Passing};
    case ChildRun::Outcome::OutOfTime:
        return {{}, DecodeFailure::OutOfTime};
    case ChildRun::Outcome::Failed:
        break;
    }
    return {{}, DecodeFailure::Bytes};
}

void setHelper(const QString& path) {
    ReplacedHelper& replaced = replacedHelper();
    const std::lock_guard guard(replaced.lock);
    replaced.path = path;
}

} // namespace WmfRenderer
