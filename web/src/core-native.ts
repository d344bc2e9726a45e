// An embind class's object lives in the core's memory until delete(): what
// every native type of core.ts and core-assign.ts extends, kept apart so that
// neither of them imports the other's.
export interface NativeObject {
  delete(): void;
}
