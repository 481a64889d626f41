#pragma once
// Transports that record what a provider asked for and answer with what a test prepared.
#include <memory>
#include <string>
#include <vector>

#include "web/HttpTransport.h"

struct FakeNetwork : TransportFactory {
    // What the next direct sends answer, in turn (the last one repeats).
    struct Answer {
        bool answered = true;
        bool complete = true;
        std::string rawHeaders;
        std::string body;
    };
    std::vector<Answer> answers;
    std::vector<HttpRequest> sent;          // every direct request, in order
    int directMade = 0, directDestroyed = 0;

    bool sessionOpens = true;
    bool sessionGets = true;
    std::string sessionContent;
    std::vector<HttpRequest> sessionGot;
    std::string sessionAgent;
    StatusWindow sessionWindow = nullptr;
    int sessionClosed = 0;
    bool failToCreate = false;

    static std::string Headers(int status)
    {
        std::string raw = "HTTP/1.1 " + std::to_string(status) + " Reason";
        raw += '\0';
        raw += "Content-Type: text/html";
        raw += '\0';
        raw += '\0';
        return raw;
    }
    void Answers(int status, std::string body)
    {
        Answer a;
        a.rawHeaders = Headers(status);
        a.body = std::move(body);
        answers.push_back(a);
    }

    struct Direct : DirectTransport {
        explicit Direct(FakeNetwork& n) : net(n) { ++net.directMade; }
        ~Direct() override { ++net.directDestroyed; }
        bool Send(const HttpRequest& request, HttpResponse& response) override
        {
            net.sent.push_back(request);
            if (net.answers.empty())
                return false;
            std::size_t i = net.sent.size() - 1;
            const Answer& a = net.answers[i < net.answers.size() ? i : net.answers.size() - 1];
            response.answered = a.answered;
            response.complete = a.complete;
            if (!a.answered) {
                response.lastError = 12029;   // cannot connect
                return false;
            }
            response.rawHeaders = a.rawHeaders;
            response.body = a.body;
            return true;
        }
        FakeNetwork& net;
    };
    struct Session : SessionTransport {
        explicit Session(FakeNetwork& n) : net(n) {}
        bool Open(const std::string& agent, StatusWindow window) override
        {
            net.sessionAgent = agent;
            net.sessionWindow = window;
            return net.sessionOpens;
        }
        bool Get(const HttpRequest& request, std::string& content, StatusWindow) override
        {
            net.sessionGot.push_back(request);
            content = net.sessionContent;
            return net.sessionGets;
        }
        void Close() override { ++net.sessionClosed; }
        FakeNetwork& net;
    };

    std::unique_ptr<DirectTransport> CreateDirect() override
    {
        if (failToCreate)
            return nullptr;
        return std::make_unique<Direct>(*this);
    }
    std::unique_ptr<SessionTransport> CreateSession() override
    {
        if (failToCreate)
            return nullptr;
        return std::make_unique<Session>(*this);
    }
};
