#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

// Answers the modal message boxes a test provokes, as an operator would: every box that
// comes up is recorded (title and text) and answered by clicking the button whose text is the
// next planned answer ("&Keep", "&Replace", "OK"); without a planned answer the box's default
// button, or else its first one, is clicked. Lives for one test step. Long runs look at every
// pass of the box's event loop (interval 0).
class ModalAnswerer
{
public:
    explicit ModalAnswerer(const QStringList& listAnswers = QStringList(), int nIntervalMs = 5)
        : m_listAnswers(listAnswers)
    {
        m_timer.setInterval(nIntervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this]() { Poll(); });
        m_timer.start();
    }

    const QStringList& Texts() const { return m_listTexts; }
    const QStringList& Titles() const { return m_listTitles; }
    const QStringList& Clicked() const { return m_listClicked; }

private:
    void Poll()
    {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox || !pBox->isVisible())
            return;
        m_listTexts.append(pBox->text());
        m_listTitles.append(pBox->windowTitle());
        const QString sAnswer = m_listAnswers.isEmpty() ? QString() : m_listAnswers.takeFirst();
        QAbstractButton* pButton = nullptr;
        for (QAbstractButton* pCandidate : pBox->buttons())
            if (!sAnswer.isNull() && pCandidate->text() == sAnswer)
                pButton = pCandidate;
        if (!pButton)
            pButton = pBox->defaultButton();
        if (!pButton && !pBox->buttons().isEmpty())
            pButton = pBox->buttons().first();
        if (!pButton)
            return void(pBox->close());
        m_listClicked.append(pButton->text());
        QTest::mouseClick(pButton, Qt::LeftButton);
    }

    QStringList m_listAnswers;
    QStringList m_listTexts;
    QStringList m_listTitles;
    QStringList m_listClicked;
    QTimer m_timer;
};
