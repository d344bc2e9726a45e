// When the next question sounds: at once, after a chosen pause, or only when
// the student asks for it ("wait for me"), so that a screen reader's "Right"
// is heard first. The drill's clock runs on meanwhile, as the desktop's pause
// lets it, so the drill's counting and its eligibility do not change.
import type { PlannedNote } from './sound';

export interface PacingChoice {
  pauseSeconds: number;  // 0 … 5
  waitForMe: boolean;
}

const storageKey = 'sonorix-pacing';

export function readPacing(): PacingChoice {
  try {
    const c = JSON.parse(localStorage.getItem(storageKey) ?? '{}') as Partial<PacingChoice>;
    const pause = Number(c.pauseSeconds);
    return { pauseSeconds: Number.isInteger(pause) && pause >= 0 && pause <= 5 ? pause : 0, waitForMe: c.waitForMe === true };
  } catch {
    return { pauseSeconds: 0, waitForMe: false };
  }
}

export function storePacing(c: PacingChoice) {
  try {
    localStorage.setItem(storageKey, JSON.stringify(c));
  } catch {
    // kept for this visit only
  }
}

export class Pacing {
  choice: PacingChoice = readPacing();
  private held: PlannedNote[] | null = null;
  private timer: ReturnType<typeof setTimeout> | undefined;

  constructor(
    private readonly sound: (plan: PlannedNote[]) => void,
    private readonly onWaiting: (waiting: boolean) => void,
  ) {}

  get waiting() {
    return this.held !== null;
  }

  // A question's notes, the first of a drill or the next after a right answer.
  question(plan: PlannedNote[]) {
    this.drop();
    if (this.choice.waitForMe) {
      this.held = plan;
      this.onWaiting(true);
    } else if (this.choice.pauseSeconds > 0) {
      this.timer = setTimeout(() => {
        this.timer = undefined;
        this.sound(plan);
      }, this.choice.pauseSeconds * 1000);
    } else {
      this.sound(plan);
    }
  }

  // The student asks for the question: true when one was waiting.
  release(): boolean {
    const plan = this.held;
    if (!plan) return false;
    this.held = null;
    this.onWaiting(false);
    this.sound(plan);
    return true;
  }

  // The question is played another way (Repeat), or the drill ends.
  drop() {
    clearTimeout(this.timer);
    this.timer = undefined;
    if (this.held) {
      this.held = null;
      this.onWaiting(false);
    }
  }
}
