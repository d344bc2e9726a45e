// The class's requests off the page's thread: starting a fetch and reading
// its body cost the page about a millisecond each, and a teacher's overview
// of a large class makes thousands. The page hands each request here and gets
// its answer back, the body moved, not copied.
import { Link, sendHttp } from './class-http';
import type { HttpAnswer, HttpRequestValue } from './class-http';

const scope = self as unknown as DedicatedWorkerGlobalScope;

scope.onmessage = (e: MessageEvent<{ id: number; request: HttpRequestValue }>) => {
  const { id, request } = e.data;
  void sendHttp(request)
    .catch((): HttpAnswer => ({ link: Link.Lost }))
    .then((answer) => {
      const body = answer.body;
      scope.postMessage({ id, answer }, { transfer: body && body.byteLength > 0 ? [body.buffer] : [] });
    });
};
