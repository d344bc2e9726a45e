// The page's HTTP for the class's server: the core's requests through fetch,
// their answers as the core reads them (web/core/WebTransport.cpp). The
// browser adds nothing of its own: no cookies, no cached password, no cached
// answer, no redirect followed. Nothing here logs a request or a header.

export interface HttpRequestValue {
  method: string;
  url: string;
  headers: [string, string][];
  body: Uint8Array;
}

export const Link = {
  Answered: 0,
  Unreachable: 1,  // nothing reached the server
  Lost: 2,         // broken, or too slow, after the request began
} as const;
export type Link = (typeof Link)[keyof typeof Link];

export interface HttpAnswer {
  link: Link;
  status?: number;
  headers?: [string, string][];
  body?: Uint8Array;
  tooLarge?: boolean;
}

// As the core's kMaxAnswerBytes: more is no answer Sonorix asked for.
export const maxAnswerBytes = 8 * 1024 * 1024;
export const timeoutMs = 30000;

// A redirect the core refuses: fetch hides where an opaque one leads.
const opaqueRedirect: HttpAnswer = { link: Link.Answered, status: 302, headers: [], body: new Uint8Array(0) };

export async function sendHttp(request: HttpRequestValue, timeout = timeoutMs): Promise<HttpAnswer> {
  const abort = new AbortController();
  let timedOut = false;
  const timer = setTimeout(() => {
    timedOut = true;
    abort.abort();
  }, timeout);
  let response: Response;
  try {
    try {
      const bodyless = request.method === 'GET' || request.method === 'HEAD';
      response = await fetch(request.url, {
        method: request.method,
        headers: request.headers,
        body: bodyless || request.body.length === 0 ? undefined : (request.body as BlobPart as BodyInit),
        credentials: 'omit',
        redirect: 'manual',
        cache: 'no-store',
        referrerPolicy: 'no-referrer',
        mode: 'cors',
        signal: abort.signal,
      });
    } catch {
      // Too slow: the request may have reached the server.
      return { link: timedOut ? Link.Lost : Link.Unreachable };
    }
    if (response.type === 'opaqueredirect') return opaqueRedirect;
    const headers: [string, string][] = [];
    response.headers.forEach((value, name) => headers.push([name, value]));
    const read = await readCapped(response);
    if (read === 'lost') return { link: Link.Lost };
    if (read === 'tooLarge') return { link: Link.Answered, status: response.status, headers, tooLarge: true };
    return { link: Link.Answered, status: response.status, headers, body: read };
  } finally {
    clearTimeout(timer);
  }
}

// The body as it streams in, stopped past the cap: a huge answer is never held whole.
async function readCapped(response: Response): Promise<Uint8Array | 'lost' | 'tooLarge'> {
  if (!response.body) return new Uint8Array(0);
  const reader = response.body.getReader();
  const chunks: Uint8Array[] = [];
  let size = 0;
  try {
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      size += value.length;
      if (size > maxAnswerBytes) {
        void reader.cancel().catch(() => undefined);
        return 'tooLarge';
      }
      chunks.push(value);
    }
  } catch {
    return 'lost';
  }
  const body = new Uint8Array(size);
  let at = 0;
  for (const c of chunks) {
    body.set(c, at);
    at += c.length;
  }
  return body;
}

// The same through a worker of its own (http-worker.ts), where the browser has
// workers: the page's thread then only hands the request over and takes the
// answer back. A worker that cannot start has sent nothing: what it was
// handed goes from the page itself, as everything after it.
export function workerHttp(workerUrl: string): (request: HttpRequestValue) => Promise<HttpAnswer> {
  if (typeof Worker === 'undefined') return sendHttp;
  let worker: Worker | null = null;
  let failed = false;
  let next = 0;
  const waiting = new Map<number, { request: HttpRequestValue; done: (answer: HttpAnswer) => void }>();
  const start = () => {
    const w = new Worker(workerUrl);
    w.onmessage = (e: MessageEvent<{ id: number; answer: HttpAnswer }>) => {
      const held = waiting.get(e.data.id);
      waiting.delete(e.data.id);
      held?.done(e.data.answer);
    };
    w.onerror = (e) => {
      e.preventDefault();
      failed = true;
      w.terminate();
      for (const { request, done } of waiting.values()) void sendHttp(request).then(done);
      waiting.clear();
    };
    return w;
  };
  return (request) => {
    if (failed) return sendHttp(request);
    try {
      worker ??= start();
    } catch {
      failed = true;
      return sendHttp(request);
    }
    const id = ++next;
    return new Promise<HttpAnswer>((done) => {
      waiting.set(id, { request, done });
      // The body is kept until the answer: the page may need to send it itself.
      worker!.postMessage({ id, request });
    });
  };
}
